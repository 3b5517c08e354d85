<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AnalysisFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>User Analysis Info</source>
        <translation>Informazioni sull&apos;analisi</translation>
    </message>
    <message>
        <source>Total Error Score (TES): </source>
        <translation>Punteggio di errore totale (TES): </translation>
    </message>
    <message>
        <source>Classification: </source>
        <translation>Classificazione: </translation>
    </message>
    <message>
        <source>Graph Style</source>
        <translation>Tipo di grafico</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polare</translation>
    </message>
    <message>
        <source>Show Confusion Axis</source>
        <translation>Mostra asse di confusione</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineare</translation>
    </message>
    <message>
        <source>Graph Scaling - Number of Steps</source>
        <translation>Scala del grafico - Numero di divisioni</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatica</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>Valore attuale</translation>
    </message>
    <message>
        <source>Graph Mode</source>
        <translation>Modalità del grafico</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Subject: </source>
        <translation>Soggetto: </translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Analisi di Vingrys</translation>
    </message>
    <message>
        <source>Angle: </source>
        <translation>Angolo: </translation>
    </message>
    <message>
        <source>C-Index: </source>
        <translation>Indice C: </translation>
    </message>
    <message>
        <source>S-Index: </source>
        <translation>Indice S: </translation>
    </message>
    <message>
        <source>Subject: Averaged Results</source>
        <translation>Soggetto: Risultati mediati</translation>
    </message>
    <message>
        <source>Total Error Score (totalScores): </source>
        <translation>Punteggio di errore totale (totalScores): </translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES): </source>
        <translation>Radice quadrata del punteggio di errore totale (TES): </translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Percentile</translation>
    </message>
    <message>
        <source>Unselected </source>
        <translation>Popolazione non selezionata </translation>
    </message>
    <message>
        <source>In Plant: </source>
        <translation>In azienda: </translation>
    </message>
    <message>
        <source>Experienced: </source>
        <translation>Esperti: </translation>
    </message>
    <message>
        <source>Reference: </source>
        <translation>Riferimento: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>Data di nascita: </translation>
    </message>
    <message>
        <source>Date of Test: </source>
        <translation>Data del test: </translation>
    </message>
    <message>
        <source>Comments: </source>
        <translation>Commenti: </translation>
    </message>
    <message>
        <source>Test Duration: </source>
        <translation>Durata del test: </translation>
    </message>
    <message>
        <source>Unselected: </source>
        <translation>Popolazione non selezionata: </translation>
    </message>
    <message>
        <source> (mins)</source>
        <translation> (min)</translation>
    </message>
    <message>
        <source>Gender: </source>
        <translation>Sesso: </translation>
    </message>
    <message>
        <source>Geographic Location: </source>
        <translation>Regione geografica: </translation>
    </message>
    <message>
        <source>Industry Type: </source>
        <translation>Settore: </translation>
    </message>
    <message>
        <source>Primary Job Function: </source>
        <translation>Mansione principale: </translation>
    </message>
    <message>
        <source>Years of Experience: </source>
        <translation>Anni di esperienza: </translation>
    </message>
    <message>
        <source>Illumination Type: </source>
        <translation>Illuminante: </translation>
    </message>
    <message>
        <source>Square Root Total Error Score: </source>
        <translation>Radice quadrata del punteggio di errore totale: </translation>
    </message>
    <message>
        <source>Test Serial Number: </source>
        <translation>Numero di serie del test: </translation>
    </message>
    <message>
        <source>Cap Order: </source>
        <translation>Ordine delle pastiglie: </translation>
    </message>
    <message>
        <source>Veskora results not certified (No Serial Number)</source>
        <translation>Risultati Veskora non certificati (nessun numero di serie)</translation>
    </message>
    <message>
        <source>Certified.</source>
        <translation>Certificato.</translation>
    </message>
    <message>
        <source>Veskora results not certified (The cap set is more than two years old).</source>
        <translation>Risultati Veskora non certificati (il set di pastiglie ha più di due anni).</translation>
    </message>
    <message>
        <source>90%</source>
        <translation>90%</translation>
    </message>
    <message>
        <source>80%</source>
        <translation>80%</translation>
    </message>
    <message>
        <source>70%</source>
        <translation>70%</translation>
    </message>
    <message>
        <source>60%</source>
        <translation>60%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>40%</source>
        <translation>40%</translation>
    </message>
    <message>
        <source>30%</source>
        <translation>30%</translation>
    </message>
    <message>
        <source>20%</source>
        <translation>20%</translation>
    </message>
    <message>
        <source>10%</source>
        <translation>10%</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Superior Discrimination</source>
        <translation>Discriminazione cromatica superiore</translation>
    </message>
    <message>
        <source>Average Discrimination</source>
        <translation>Discriminazione cromatica media</translation>
    </message>
    <message>
        <source>Low Discrimination</source>
        <translation>Discriminazione cromatica bassa</translation>
    </message>
    <message>
        <source>Superior</source>
        <translation>Superiore</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Protan</source>
        <translation>Protan</translation>
    </message>
    <message>
        <source>Duetan</source>
        <translation>Deutan</translation>
    </message>
    <message>
        <source>Tritan</source>
        <translation>Tritan</translation>
    </message>
    <message>
        <source>Ambigious Deficiency</source>
        <translation>Deficit ambiguo</translation>
    </message>
</context>
<context>
    <name>CapNumbersDialog</name>
    <message>
        <source>Type Cap Numbers</source>
        <translation>Digitare i numeri delle pastiglie</translation>
    </message>
    <message>
        <source>Type the numbers of each tray&apos;s caps from left to right, separated by blanks or commas. Enter moves to the next tray; a whole cap order pasted into the first line fills all four.</source>
        <translation>Digitate i numeri delle pastiglie di ogni vassoio da sinistra a destra, separati da spazi o virgole. Invio passa al vassoio successivo; un ordine completo incollato nella prima riga riempie tutti e quattro.</translation>
    </message>
    <message>
        <source>Tray %1</source>
        <translation>Vassoio %1</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Total Error Score (TES): %1</source>
        <translation>Punteggio di errore totale (TES): %1</translation>
    </message>
    <message>
        <source>Total Error Score (TES): shown when all four trays are complete</source>
        <translation>Punteggio di errore totale (TES): mostrato quando tutti e quattro i vassoi sono completi</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Impossibile scrivere il file %1: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Impossibile leggere il file %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) could not be read as a test and were not imported; the first is line %1.</source>
        <translation>
            <numerusform>%n riga non è stata letta come test e non è stata importata; è la riga %1.</numerusform>
            <numerusform>%n righe non sono state lette come test e non sono state importate; la prima è la riga %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Non è stato importato nulla: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: line %1 could not be stored: %2</source>
        <translation>Non è stato importato nulla: la riga %1 non ha potuto essere salvata: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commenti</translation>
    </message>
    <message>
        <source>DOB</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Esperienza</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Secondo nome</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sesso</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Illuminante</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Settore</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Mansione</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Regione</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Numero di riferimento</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>Data del test</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Contiene</translation>
    </message>
    <message>
        <source>Is Exactly</source>
        <translation>È esattamente</translation>
    </message>
    <message>
        <source>Begins With</source>
        <translation>Inizia con</translation>
    </message>
    <message>
        <source>Ends With</source>
        <translation>Termina con</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>Inserisci...</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Cancella ricerca</translation>
    </message>
    <message>
        <source>Select Test</source>
        <translation>Seleziona test</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Mansione</translation>
    </message>
    <message>
        <source>TES</source>
        <translation>TES</translation>
    </message>
    <message>
        <source>The search could not be run: %1</source>
        <translation>Impossibile eseguire la ricerca: %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n test(s)? This cannot be undone.</source>
        <translation>
            <numerusform>Eliminare %n test? L&apos;operazione non può essere annullata.</numerusform>
            <numerusform>Eliminare %n test? L&apos;operazione non può essere annullata.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tests could not be deleted: %1</source>
        <translation>Impossibile eliminare i test: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) deleted.</source>
        <translation>
            <numerusform>%n test eliminato.</numerusform>
            <numerusform>%n test eliminati.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HueSwatchLineWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>HueTestFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source> User Information</source>
        <translation> Informazioni sul soggetto</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Secondo nome</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>Inserisci...</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Numero di riferimento</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sesso</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Esperienza</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Mansione</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Settore</translation>
    </message>
    <message>
        <source>Test Information</source>
        <translation>Informazioni sul test</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>Data del test</translation>
    </message>
    <message>
        <source>Time (mins)</source>
        <translation>Durata (min)</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Illuminante</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Regione</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commenti</translation>
    </message>
    <message>
        <source>Reset Test</source>
        <translation>Reimposta test</translation>
    </message>
    <message>
        <source>Show Scores</source>
        <translation>Mostra punteggi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>D50</source>
        <translation>D50</translation>
    </message>
    <message>
        <source>D65</source>
        <translation>D65</translation>
    </message>
    <message>
        <source>D75</source>
        <translation>D75</translation>
    </message>
    <message>
        <source>CWF</source>
        <translation>CWF</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>TL84</source>
        <translation>TL84</translation>
    </message>
    <message>
        <source>U3000</source>
        <translation>U3000</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>America settentrionale</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>America meridionale</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>America centrale</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asia</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Africa</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Università e ricerca</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimentare</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Arredamento</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Pubblica amministrazione</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Medicale</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Imballaggio</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Vernici</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>Produttore di pigmenti/coloranti</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Materie plastiche</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Arti grafiche</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automotive</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Insegne e segnaletica</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Mordenti per legno</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Tessile - Design</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Tessile - Produzione</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Edilizia</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Beni di consumo</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Cosmetica</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Design - Architettura/Interni</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Design - Grafico</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Design - Industriale</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Design - Prodotto</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Controllo qualità</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Formulazione del colore</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Specifica del colore</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Creatività</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 anni</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 anni</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 anni</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 anni</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 anni e oltre</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Please enter a date of birth and first and last names.</source>
        <translation>Inserire la data di nascita, il nome e il cognome.</translation>
    </message>
    <message>
        <source>The test could not be saved.</source>
        <translation>Impossibile salvare il test.</translation>
    </message>
    <message>
        <source>The test could not be updated.</source>
        <translation>Impossibile aggiornare il test.</translation>
    </message>
    <message>
        <source>The stored arrangement was incomplete: the missing caps follow in ascending order. Update to store the whole arrangement.</source>
        <translation>La disposizione salvata era incompleta: le pastiglie mancanti seguono in ordine crescente. Aggiorna per salvare la disposizione completa.</translation>
    </message>
    <message>
        <source>Type Cap Numbers…</source>
        <translation>Digitare i numeri…</translation>
    </message>
    <message>
        <source>Move Cap</source>
        <translation>Sposta pastiglia</translation>
    </message>
    <message>
        <source>Type Cap Numbers</source>
        <translation>Digitare i numeri delle pastiglie</translation>
    </message>
</context>
<context>
    <name>LegacyImport</name>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Impossibile leggere il file %1.</translation>
    </message>
    <message>
        <source>The database could not be written: %1</source>
        <translation>Impossibile scrivere nel database: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Non è stato importato nulla: %1</translation>
    </message>
    <message>
        <source>The file %1 holds no test record that could be read; nothing was imported.</source>
        <translation>Il file %1 non contiene alcun record di test leggibile; non è stato importato nulla.</translation>
    </message>
</context>
<context>
    <name>LogoImage</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 non è un file.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 supera i %2 MB.</translation>
    </message>
    <message>
        <source>%1 is not an image that can be read (%2).</source>
        <translation>%1 non è un&apos;immagine leggibile (%2).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Veskora Scoring Software</source>
        <translation>Software di valutazione Veskora</translation>
    </message>
    <message>
        <source>New Hue Test</source>
        <translation>Nuovo test delle tonalità</translation>
    </message>
    <message>
        <source>View/Arrange</source>
        <translation>Visualizza/Ordina</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analisi</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>VK100 Database Version 1 (HDB)</source>
        <translation>Database VK100 versione 1 (HDB)</translation>
    </message>
    <message>
        <source>VK100 Database Version 2 (VKT)</source>
        <translation>Database VK100 versione 2 (VKT)</translation>
    </message>
    <message>
        <source>Comma Separated Values (CSV)</source>
        <translation>Valori separati da virgole (CSV)</translation>
    </message>
    <message>
        <source>Selected Records as PDF</source>
        <translation>Record selezionati come PDF</translation>
    </message>
    <message>
        <source>Selected Records as CSV</source>
        <translation>Record selezionati come CSV</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Imposta pagina</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Copy Name and Analysis</source>
        <translation>Copia nome e analisi</translation>
    </message>
    <message>
        <source>Copy Graph</source>
        <translation>Copia grafico</translation>
    </message>
    <message>
        <source>Data Entry Screen</source>
        <translation>Schermata di inserimento dati</translation>
    </message>
    <message>
        <source>Polar Graph</source>
        <translation>Grafico polare</translation>
    </message>
    <message>
        <source>Linear Graph</source>
        <translation>Grafico lineare</translation>
    </message>
    <message>
        <source>About Application</source>
        <translation>Informazioni sull&apos;applicazione</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Informazioni su Qt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>New Database</source>
        <translation>Nuovo database</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Apri database</translation>
    </message>
    <message>
        <source>Save Database As</source>
        <translation>Salva database con nome</translation>
    </message>
    <message>
        <source>Veskora Test Scoring Software</source>
        <translation>Software di valutazione dei test Veskora</translation>
    </message>
    <message>
        <source>Veskora Results</source>
        <translation>Risultati Veskora</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Test developed by:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
Software: Veskora Scoring Team</source>
        <translation>Test sviluppato da:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
Software: Veskora Scoring Team</translation>
    </message>
    <message>
        <source>Unspecified</source>
        <translation>Non specificato</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Femmina</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Maschio</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>America settentrionale</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>America meridionale</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>America centrale</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asia</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Africa</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Università e ricerca</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimentare</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Arredamento</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Pubblica amministrazione</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Medicale</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Imballaggio</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Vernici</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Pigment/Colorant Manufacturer</source>
        <translation>Produttore di pigmenti/coloranti</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Materie plastiche</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Arti grafiche</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automotive</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Insegne e segnaletica</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Mordenti per legno</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Tessile - Design</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Tessile - Produzione</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Edilizia</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Beni di consumo</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Cosmetica</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Design - Architettura/Interni</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Design - Grafico</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Design - Industriale</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Design - Prodotto</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Controllo qualità</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Formulazione del colore</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Specifica del colore</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Creatività</translation>
    </message>
    <message>
        <source>D65</source>
        <translation>D65</translation>
    </message>
    <message>
        <source>D50</source>
        <translation>D50</translation>
    </message>
    <message>
        <source>D75</source>
        <translation>D75</translation>
    </message>
    <message>
        <source>CWF</source>
        <translation>CWF</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>TL84</source>
        <translation>TL84</translation>
    </message>
    <message>
        <source>U3000</source>
        <translation>U3000</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 anni</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 anni</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 anni</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 anni</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 anni e oltre</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifiche non salvate</translation>
    </message>
    <message>
        <source>There are unsaved changes.</source>
        <translation>Ci sono modifiche non salvate.</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Impossibile avviare la stampante.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv)</source>
        <translation>File di testo (*.txt *.csv)</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importa CSV</translation>
    </message>
    <message>
        <source>Import HDB</source>
        <translation>Importa HDB</translation>
    </message>
    <message>
        <source>Import VKT</source>
        <translation>Importa VKT</translation>
    </message>
    <message>
        <source>Developed by the Veskora Scoring Team
for examiners of colour discrimination.
Version %1</source>
        <translation>Sviluppato dal Veskora Scoring Team
per gli esaminatori della discriminazione cromatica.
Versione %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>The test of %1 %2 was updated.</source>
        <translation>Il test di %1 %2 è stato aggiornato.</translation>
    </message>
    <message>
        <source>The test of %1 %2 was saved.</source>
        <translation>Il test di %1 %2 è stato salvato.</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Il referto è stato scritto in %1.</translation>
    </message>
    <message>
        <source>The selected tests were written to %1.</source>
        <translation>I test selezionati sono stati scritti in %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) imported</source>
        <translation>
            <numerusform>%n test importato</numerusform>
            <numerusform>%n test importati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cap set(s) added</source>
        <translation>
            <numerusform>%n set di pastiglie aggiunto</numerusform>
            <numerusform>%n set di pastiglie aggiunti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <translation>
            <numerusform>%n riga rifiutata</numerusform>
            <numerusform>%n righe rifiutate</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Writing the reports...</source>
        <translation>Scrittura dei rapporti...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>L&apos;esportazione è stata annullata; non è stato scritto nulla.</translation>
    </message>
    <message numerus="yes">
        <source>%n report(s) were written to %1.</source>
        <translation>
            <numerusform>%n rapporto è stato scritto in %1.</numerusform>
            <numerusform>%n rapporti sono stati scritti in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The PDF writer could not be started.</source>
        <translation>Impossibile avviare la scrittura del PDF.</translation>
    </message>
    <message>
        <source>Footer Logo</source>
        <translation>Logo del piè di pagina</translation>
    </message>
    <message>
        <source>The report was made without its footer logo: %1</source>
        <translation>Il rapporto è stato creato senza il logo del piè di pagina: %1</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>Non è stato importato nulla</translation>
    </message>
    <message>
        <source>The file %1 holds no test; nothing was imported.</source>
        <translation>Il file %1 non contiene alcun test; non è stato importato nulla.</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s) of the file held no readable record</source>
        <translation>
            <numerusform>%n posizione del file non conteneva alcun record leggibile</numerusform>
            <numerusform>%n posizioni del file non contenevano alcun record leggibile</numerusform>
        </translation>
    </message>
    <message>
        <source>Database File</source>
        <translation>File del database</translation>
    </message>
    <message>
        <source>The database file %1 could not be opened: no test can be read or stored, and the settings shown are not those of the file.</source>
        <translation>Impossibile aprire il file del database %1: nessun test può essere letto o salvato e le impostazioni mostrate non sono quelle del file.</translation>
    </message>
    <message>
        <source>Retry when the other program has finished with the file, or open another database file.</source>
        <translation>Riprovare quando l&apos;altro programma ha finito di usare il file, oppure aprire un altro file del database.</translation>
    </message>
    <message>
        <source>Another program replaced or removed the database file %1 while it was open here, so nothing more can be stored in it.</source>
        <translation>Un altro programma ha sostituito o rimosso il file del database %1 mentre era aperto qui, quindi non è più possibile salvarvi nulla.</translation>
    </message>
    <message>
        <source>Open the file as it is now?</source>
        <translation>Aprire il file così com&apos;è ora?</translation>
    </message>
    <message>
        <source>The manual is missing: %1 was not found. Installing the program again puts it back.</source>
        <translation>Il manuale manca: %1 non è stato trovato. Reinstallando il programma viene ripristinato.</translation>
    </message>
    <message>
        <source>The manual %1 could not be shown: no program to open it was found.</source>
        <translation>Impossibile mostrare il manuale %1: non è stato trovato alcun programma per aprirlo.</translation>
    </message>
</context>
<context>
    <name>ScoreWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>TrayCheck</name>
    <message>
        <source>missing %1</source>
        <translation>mancano %1</translation>
    </message>
    <message>
        <source>%1 belongs to tray %2</source>
        <translation>%1 appartiene al vassoio %2</translation>
    </message>
    <message>
        <source>%1 belong to tray %2</source>
        <translation>%1 appartengono al vassoio %2</translation>
    </message>
    <message>
        <source>%1 typed twice</source>
        <translation>%1 digitato due volte</translation>
    </message>
    <message>
        <source>%1 typed more than twice</source>
        <translation>%1 digitato più di due volte</translation>
    </message>
    <message>
        <source>%1 is not a cap number</source>
        <translation>%1 non è un numero di pastiglia</translation>
    </message>
    <message>
        <source>%1 are not cap numbers</source>
        <translation>%1 non sono numeri di pastiglia</translation>
    </message>
</context>
<context>
    <name>analysisDisplay</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Discrimination:</source>
        <translation>Discriminazione:</translation>
    </message>
</context>
<context>
    <name>chartGraphicsView</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Error Scores</source>
        <translation>Punteggi di errore</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>The database file could not be opened</source>
        <translation>Impossibile aprire il file del database</translation>
    </message>
    <message>
        <source>The database tables could not be created</source>
        <translation>Impossibile creare le tabelle del database</translation>
    </message>
    <message>
        <source>The settings could not be stored</source>
        <translation>Impossibile salvare le impostazioni</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>Impossibile leggere le impostazioni</translation>
    </message>
    <message>
        <source>The subject could not be stored</source>
        <translation>Impossibile salvare il soggetto</translation>
    </message>
    <message>
        <source>The test could not be stored</source>
        <translation>Impossibile salvare il test</translation>
    </message>
    <message>
        <source>The subject could not be updated</source>
        <translation>Impossibile aggiornare il soggetto</translation>
    </message>
    <message>
        <source>no stored subject matched</source>
        <translation>nessun soggetto salvato corrisponde</translation>
    </message>
    <message>
        <source>The test could not be updated</source>
        <translation>Impossibile aggiornare il test</translation>
    </message>
    <message>
        <source>no stored test matched</source>
        <translation>nessun test salvato corrisponde</translation>
    </message>
    <message>
        <source>The test could not be deleted</source>
        <translation>Impossibile eliminare il test</translation>
    </message>
    <message>
        <source>The subject could not be deleted</source>
        <translation>Impossibile eliminare il soggetto</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 non esiste</translation>
    </message>
    <message>
        <source>The database could not be saved</source>
        <translation>Impossibile salvare il database</translation>
    </message>
    <message>
        <source>it cannot be copied onto itself</source>
        <translation>non può essere copiato su se stesso</translation>
    </message>
    <message>
        <source>The database could not be read</source>
        <translation>Impossibile leggere il database</translation>
    </message>
    <message>
        <source>The cap set could not be stored</source>
        <translation>Impossibile salvare il set di pastiglie</translation>
    </message>
    <message>
        <source>The cap set could not be updated</source>
        <translation>Impossibile aggiornare il set di pastiglie</translation>
    </message>
    <message>
        <source>The cap set could not be removed</source>
        <translation>Impossibile rimuovere il set di pastiglie</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 è una cartella</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>Impossibile scrivere %1</translation>
    </message>
    <message>
        <source>%1 could not be replaced</source>
        <translation>Impossibile sostituire %1</translation>
    </message>
    <message>
        <source>another program replaced or removed %1 since it was opened</source>
        <translation>un altro programma ha sostituito o rimosso %1 dopo la sua apertura</translation>
    </message>
    <message>
        <source>The database file could not be opened: %1</source>
        <translation>Impossibile aprire il file del database: %1</translation>
    </message>
    <message>
        <source>%1 is not a readable database (%2)</source>
        <translation>%1 non è un database leggibile (%2)</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 è in uso da parte di un altro programma (%2)</translation>
    </message>
    <message>
        <source>%1 is damaged (%2)</source>
        <translation>%1 è danneggiato (%2)</translation>
    </message>
    <message>
        <source>%1 is not a database of this program: its table %2 has other columns</source>
        <translation>%1 non è un database di questo programma: la sua tabella %2 ha altre colonne</translation>
    </message>
    <message>
        <source>they could not be read from this file, and what is shown in their place must not replace them</source>
        <translation>non è stato possibile leggerle da questo file e ciò che viene mostrato al loro posto non deve sostituirle</translation>
    </message>
</context>
<context>
    <name>labelImageDisplay</name>
    <message>
        <source>Select Logo Image</source>
        <translation>Seleziona l&apos;immagine del logo</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
</context>
<context>
    <name>preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Scoring Mode</source>
        <translation>Metodo di punteggio</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Kinnear</source>
        <translation>Kinnear</translation>
    </message>
    <message>
        <source>Analysis Options</source>
        <translation>Opzioni di analisi</translation>
    </message>
    <message>
        <source>In App</source>
        <translation>Nell&apos;applicazione</translation>
    </message>
    <message>
        <source>On Report</source>
        <translation>Nel rapporto</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Durata del test</translation>
    </message>
    <message>
        <source>Total Error Score (TES)</source>
        <translation>Punteggio di errore totale (TES)</translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES)</source>
        <translation>Radice quadrata del punteggio di errore totale (TES)</translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Analisi di Vingrys</translation>
    </message>
    <message>
        <source>Classification</source>
        <translation>Classificazione</translation>
    </message>
    <message>
        <source>Percentage (First Time)</source>
        <translation>Percentile (prima volta)</translation>
    </message>
    <message>
        <source>Percentage (Some Experience)</source>
        <translation>Percentile (qualche esperienza)</translation>
    </message>
    <message>
        <source>Percentage (Experienced)</source>
        <translation>Percentile (esperti)</translation>
    </message>
    <message>
        <source>User Interface Options</source>
        <translation>Opzioni dell&apos;interfaccia</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Customized Report Footer</source>
        <translation>Piè di pagina personalizzato del rapporto</translation>
    </message>
    <message>
        <source>New Record Defaults</source>
        <translation>Valori predefiniti dei nuovi record</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Illuminante</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Regione</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Settore</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Mansione</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Esperienza</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Cap Sets</source>
        <translation>Set di pastiglie</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Data di acquisto</translation>
    </message>
    <message>
        <source>Add a cap set</source>
        <translation>Aggiungi un set di pastiglie</translation>
    </message>
    <message>
        <source>Edit the selected cap set</source>
        <translation>Modifica il set di pastiglie selezionato</translation>
    </message>
    <message>
        <source>Remove the selected cap set</source>
        <translation>Rimuovi il set di pastiglie selezionato</translation>
    </message>
    <message>
        <source>D50</source>
        <translation>D50</translation>
    </message>
    <message>
        <source>D65</source>
        <translation>D65</translation>
    </message>
    <message>
        <source>D75</source>
        <translation>D75</translation>
    </message>
    <message>
        <source>CWF</source>
        <translation>CWF</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>TL84</source>
        <translation>TL84</translation>
    </message>
    <message>
        <source>U3000</source>
        <translation>U3000</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>America settentrionale</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>America meridionale</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>America centrale</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asia</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Africa</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Università e ricerca</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimentare</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Arredamento</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Pubblica amministrazione</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Medicale</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Imballaggio</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Vernici</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>Produttore di pigmenti/coloranti</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Materie plastiche</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Arti grafiche</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automotive</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Insegne e segnaletica</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Mordenti per legno</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Tessile - Design</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Tessile - Produzione</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Edilizia</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Beni di consumo</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Cosmetica</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Design - Architettura/Interni</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Design - Grafico</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Design - Industriale</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Design - Prodotto</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Controllo qualità</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Formulazione del colore</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Specifica del colore</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Creatività</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 anni</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 anni</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 anni</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 anni</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 anni e oltre</translation>
    </message>
</context>
<context>
    <name>serialNumDialog</name>
    <message>
        <source>Add New Cap Set</source>
        <translation>Aggiungi un nuovo set di pastiglie</translation>
    </message>
    <message>
        <source>Enter cap-set serial number and purchase date. Test results more than two years past purchase date are not certified and damaged, soiled or faded cap sets should be replaced.</source>
        <translation>Inserire il numero di serie e la data di acquisto del set di pastiglie. I risultati ottenuti oltre due anni dopo la data di acquisto non sono certificati; i set di pastiglie danneggiati, sporchi o sbiaditi vanno sostituiti.</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Data di acquisto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/GG/AAAA</translation>
    </message>
</context>
</TS>
