<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnalysisFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>User Analysis Info</source>
        <translation>Auswertungsinformationen</translation>
    </message>
    <message>
        <source>Total Error Score (TES): </source>
        <translation>Gesamtfehlerwert (TES): </translation>
    </message>
    <message>
        <source>Classification: </source>
        <translation>Einstufung: </translation>
    </message>
    <message>
        <source>Graph Style</source>
        <translation>Diagrammtyp</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>Show Confusion Axis</source>
        <translation>Verwechslungsachse anzeigen</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Graph Scaling - Number of Steps</source>
        <translation>Diagrammskalierung - Anzahl der Skalenschritte</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>Aktueller Wert</translation>
    </message>
    <message>
        <source>Graph Mode</source>
        <translation>Diagrammmodus</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Subject: </source>
        <translation>Proband: </translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Vingrys-Analyse</translation>
    </message>
    <message>
        <source>Angle: </source>
        <translation>Winkel: </translation>
    </message>
    <message>
        <source>C-Index: </source>
        <translation>C-Index: </translation>
    </message>
    <message>
        <source>S-Index: </source>
        <translation>S-Index: </translation>
    </message>
    <message>
        <source>Subject: Averaged Results</source>
        <translation>Proband: Gemittelte Ergebnisse</translation>
    </message>
    <message>
        <source>Total Error Score (totalScores): </source>
        <translation>Gesamtfehlerwert (totalScores): </translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES): </source>
        <translation>Wurzel des Gesamtfehlerwerts (TES): </translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Prozentrang</translation>
    </message>
    <message>
        <source>Unselected </source>
        <translation>Unselektierte Population </translation>
    </message>
    <message>
        <source>In Plant: </source>
        <translation>Im Betrieb: </translation>
    </message>
    <message>
        <source>Experienced: </source>
        <translation>Erfahrene: </translation>
    </message>
    <message>
        <source>Reference: </source>
        <translation>Referenz: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>Geburtsdatum: </translation>
    </message>
    <message>
        <source>Date of Test: </source>
        <translation>Testdatum: </translation>
    </message>
    <message>
        <source>Comments: </source>
        <translation>Bemerkungen: </translation>
    </message>
    <message>
        <source>Test Duration: </source>
        <translation>Testdauer: </translation>
    </message>
    <message>
        <source>Unselected: </source>
        <translation>Unselektierte Population: </translation>
    </message>
    <message>
        <source> (mins)</source>
        <translation> (Min.)</translation>
    </message>
    <message>
        <source>Gender: </source>
        <translation>Geschlecht: </translation>
    </message>
    <message>
        <source>Geographic Location: </source>
        <translation>Geografische Region: </translation>
    </message>
    <message>
        <source>Industry Type: </source>
        <translation>Branche: </translation>
    </message>
    <message>
        <source>Primary Job Function: </source>
        <translation>Haupttätigkeit: </translation>
    </message>
    <message>
        <source>Years of Experience: </source>
        <translation>Berufserfahrung: </translation>
    </message>
    <message>
        <source>Illumination Type: </source>
        <translation>Lichtart: </translation>
    </message>
    <message>
        <source>Square Root Total Error Score: </source>
        <translation>Wurzel des Gesamtfehlerwerts: </translation>
    </message>
    <message>
        <source>Test Serial Number: </source>
        <translation>Seriennummer des Tests: </translation>
    </message>
    <message>
        <source>Cap Order: </source>
        <translation>Kappenreihenfolge: </translation>
    </message>
    <message>
        <source>Veskora results not certified (No Serial Number)</source>
        <translation>Veskora-Ergebnisse nicht zertifiziert (keine Seriennummer)</translation>
    </message>
    <message>
        <source>Certified.</source>
        <translation>Zertifiziert.</translation>
    </message>
    <message>
        <source>Veskora results not certified (The cap set is more than two years old).</source>
        <translation>Veskora-Ergebnisse nicht zertifiziert (der Kappensatz ist älter als zwei Jahre).</translation>
    </message>
    <message>
        <source>90%</source>
        <translation>90&#xa0;%</translation>
    </message>
    <message>
        <source>80%</source>
        <translation>80&#xa0;%</translation>
    </message>
    <message>
        <source>70%</source>
        <translation>70&#xa0;%</translation>
    </message>
    <message>
        <source>60%</source>
        <translation>60&#xa0;%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50&#xa0;%</translation>
    </message>
    <message>
        <source>40%</source>
        <translation>40&#xa0;%</translation>
    </message>
    <message>
        <source>30%</source>
        <translation>30&#xa0;%</translation>
    </message>
    <message>
        <source>20%</source>
        <translation>20&#xa0;%</translation>
    </message>
    <message>
        <source>10%</source>
        <translation>10&#xa0;%</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0&#xa0;%</translation>
    </message>
    <message>
        <source>Superior Discrimination</source>
        <translation>Hohes Farbunterscheidungsvermögen</translation>
    </message>
    <message>
        <source>Average Discrimination</source>
        <translation>Mittleres Farbunterscheidungsvermögen</translation>
    </message>
    <message>
        <source>Low Discrimination</source>
        <translation>Geringes Farbunterscheidungsvermögen</translation>
    </message>
    <message>
        <source>Superior</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Gering</translation>
    </message>
    <message>
        <source>Protan</source>
        <translation>Protan-Defekt</translation>
    </message>
    <message>
        <source>Duetan</source>
        <translation>Deutan-Defekt</translation>
    </message>
    <message>
        <source>Tritan</source>
        <translation>Tritan-Defekt</translation>
    </message>
    <message>
        <source>Ambigious Deficiency</source>
        <translation>Uneindeutiger Defekt</translation>
    </message>
</context>
<context>
    <name>CapNumbersDialog</name>
    <message>
        <source>Type Cap Numbers</source>
        <translation>Kappennummern eingeben</translation>
    </message>
    <message>
        <source>Type the numbers of each tray&apos;s caps from left to right, separated by blanks or commas. Enter moves to the next tray; a whole cap order pasted into the first line fills all four.</source>
        <translation>Geben Sie die Nummern der Kappen jedes Kastens von links nach rechts ein, getrennt durch Leerzeichen oder Kommas. Die Eingabetaste wechselt zum nächsten Kasten; eine vollständige Kappenreihenfolge, in die erste Zeile eingefügt, füllt alle vier.</translation>
    </message>
    <message>
        <source>Tray %1</source>
        <translation>Kasten %1</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Total Error Score (TES): %1</source>
        <translation>Gesamtfehlerwert (TES): %1</translation>
    </message>
    <message>
        <source>Total Error Score (TES): shown when all four trays are complete</source>
        <translation>Gesamtfehlerwert (TES): erscheint, wenn alle vier Kästen vollständig sind</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) could not be read as a test and were not imported; the first is line %1.</source>
        <translation>
            <numerusform>%n Zeile konnte nicht als Test gelesen werden und wurde nicht importiert; es ist Zeile %1.</numerusform>
            <numerusform>%n Zeilen konnten nicht als Test gelesen werden und wurden nicht importiert; die erste ist Zeile %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Es wurde nichts importiert: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: line %1 could not be stored: %2</source>
        <translation>Nichts wurde importiert: Zeile %1 konnte nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>DOB</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Erfahrung</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Lichtart</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Branche</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Referenznummer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>Testdatum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Enthält</translation>
    </message>
    <message>
        <source>Is Exactly</source>
        <translation>Ist genau</translation>
    </message>
    <message>
        <source>Begins With</source>
        <translation>Beginnt mit</translation>
    </message>
    <message>
        <source>Ends With</source>
        <translation>Endet mit</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>Eingeben...</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Suche zurücksetzen</translation>
    </message>
    <message>
        <source>Select Test</source>
        <translation>Test auswählen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>TES</source>
        <translation>TES</translation>
    </message>
    <message>
        <source>The search could not be run: %1</source>
        <translation>Die Suche konnte nicht ausgeführt werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n test(s)? This cannot be undone.</source>
        <translation>
            <numerusform>%n Test löschen? Dies kann nicht rückgängig gemacht werden.</numerusform>
            <numerusform>%n Tests löschen? Dies kann nicht rückgängig gemacht werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tests could not be deleted: %1</source>
        <translation>Die Tests konnten nicht gelöscht werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) deleted.</source>
        <translation>
            <numerusform>%n Test gelöscht.</numerusform>
            <numerusform>%n Tests gelöscht.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HueSwatchLineWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>HueTestFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source> User Information</source>
        <translation> Angaben zum Probanden</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>Eingeben...</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Referenznummer</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Erfahrung</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Branche</translation>
    </message>
    <message>
        <source>Test Information</source>
        <translation>Angaben zum Test</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>Testdatum</translation>
    </message>
    <message>
        <source>Time (mins)</source>
        <translation>Dauer (Min.)</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Lichtart</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Reset Test</source>
        <translation>Test zurücksetzen</translation>
    </message>
    <message>
        <source>Show Scores</source>
        <translation>Fehlerwerte anzeigen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
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
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Nordamerika</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Südamerika</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>Mittelamerika</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asien</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrika</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Hochschule und Forschung</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Möbel</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Öffentlicher Dienst</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Medizin</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Verpackung</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Farben und Lacke</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>Pigment-/Farbmittelhersteller</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Kunststoff</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Druckerei</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automobilindustrie</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Werbetechnik</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Beizen</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Textil - Design</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Textil - Herstellung</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Bauwesen</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Konsumgüter</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Kosmetik</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Design - Architektur/Innenraum</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Design - Grafik</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Design - Industrie</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Design - Produkt</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Qualitätskontrolle</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Farbrezeptierung</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Farbspezifikation</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Gestaltung</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 Jahre</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 Jahre</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 Jahre</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 Jahre</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 Jahre und mehr</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Please enter a date of birth and first and last names.</source>
        <translation>Bitte geben Sie ein Geburtsdatum sowie Vor- und Nachnamen ein.</translation>
    </message>
    <message>
        <source>The test could not be saved.</source>
        <translation>Der Test konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The test could not be updated.</source>
        <translation>Der Test konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>The stored arrangement was incomplete: the missing caps follow in ascending order. Update to store the whole arrangement.</source>
        <translation>Die gespeicherte Anordnung war unvollständig: Die fehlenden Kappen folgen in aufsteigender Reihenfolge. Aktualisieren Sie, um die vollständige Anordnung zu speichern.</translation>
    </message>
    <message>
        <source>Type Cap Numbers…</source>
        <translation>Kappennummern eingeben…</translation>
    </message>
    <message>
        <source>Move Cap</source>
        <translation>Kappe verschieben</translation>
    </message>
    <message>
        <source>Type Cap Numbers</source>
        <translation>Kappennummern eingeben</translation>
    </message>
</context>
<context>
    <name>LegacyImport</name>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The database could not be written: %1</source>
        <translation>Die Datenbank konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Es wurde nichts importiert: %1</translation>
    </message>
    <message>
        <source>The file %1 holds no test record that could be read; nothing was imported.</source>
        <translation>Die Datei %1 enthält keinen lesbaren Testdatensatz; es wurde nichts importiert.</translation>
    </message>
</context>
<context>
    <name>LogoImage</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 ist größer als %2 MB.</translation>
    </message>
    <message>
        <source>%1 is not an image that can be read (%2).</source>
        <translation>%1 ist kein lesbares Bild (%2).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Veskora Scoring Software</source>
        <translation>Veskora Auswertungssoftware</translation>
    </message>
    <message>
        <source>New Hue Test</source>
        <translation>Neuer Farbtontest</translation>
    </message>
    <message>
        <source>View/Arrange</source>
        <translation>Anzeigen/Anordnen</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>VK100 Database Version 1 (HDB)</source>
        <translation>VK100-Datenbank Version 1 (HDB)</translation>
    </message>
    <message>
        <source>VK100 Database Version 2 (VKT)</source>
        <translation>VK100-Datenbank Version 2 (VKT)</translation>
    </message>
    <message>
        <source>Comma Separated Values (CSV)</source>
        <translation>Kommagetrennte Werte (CSV)</translation>
    </message>
    <message>
        <source>Selected Records as PDF</source>
        <translation>Ausgewählte Datensätze als PDF</translation>
    </message>
    <message>
        <source>Selected Records as CSV</source>
        <translation>Ausgewählte Datensätze als CSV</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Seite einrichten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Copy Name and Analysis</source>
        <translation>Name und Auswertung kopieren</translation>
    </message>
    <message>
        <source>Copy Graph</source>
        <translation>Diagramm kopieren</translation>
    </message>
    <message>
        <source>Data Entry Screen</source>
        <translation>Eingabemaske</translation>
    </message>
    <message>
        <source>Polar Graph</source>
        <translation>Polardiagramm</translation>
    </message>
    <message>
        <source>Linear Graph</source>
        <translation>Lineares Diagramm</translation>
    </message>
    <message>
        <source>About Application</source>
        <translation>Über die Anwendung</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>New Database</source>
        <translation>Neue Datenbank</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Datenbank öffnen</translation>
    </message>
    <message>
        <source>Save Database As</source>
        <translation>Datenbank speichern unter</translation>
    </message>
    <message>
        <source>Veskora Test Scoring Software</source>
        <translation>Veskora Testauswertungssoftware</translation>
    </message>
    <message>
        <source>Veskora Results</source>
        <translation>Veskora-Ergebnisse</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Test developed by:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
Software: Veskora Scoring Team</source>
        <translation>Test entwickelt von:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
Software: Veskora Scoring Team</translation>
    </message>
    <message>
        <source>Unspecified</source>
        <translation>Nicht angegeben</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Nordamerika</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Südamerika</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>Mittelamerika</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asien</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrika</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Hochschule und Forschung</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Möbel</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Öffentlicher Dienst</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Medizin</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Verpackung</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Farben und Lacke</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Pigment/Colorant Manufacturer</source>
        <translation>Pigment-/Farbmittelhersteller</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Kunststoff</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Druckerei</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automobilindustrie</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Werbetechnik</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Beizen</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Textil - Design</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Textil - Herstellung</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Bauwesen</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Konsumgüter</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Kosmetik</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Design - Architektur/Innenraum</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Design - Grafik</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Design - Industrie</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Design - Produkt</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Qualitätskontrolle</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Farbrezeptierung</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Farbspezifikation</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Gestaltung</translation>
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
        <translation>0 - 2 Jahre</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 Jahre</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 Jahre</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 Jahre</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 Jahre und mehr</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>There are unsaved changes.</source>
        <translation>Es gibt ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv)</source>
        <translation>Textdateien (*.txt *.csv)</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Import HDB</source>
        <translation>HDB importieren</translation>
    </message>
    <message>
        <source>Import VKT</source>
        <translation>VKT importieren</translation>
    </message>
    <message>
        <source>Developed by the Veskora Scoring Team
for examiners of colour discrimination.
Version %1</source>
        <translation>Entwickelt vom Veskora Scoring Team
für Prüfer des Farbunterscheidungsvermögens.
Version %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>The test of %1 %2 was updated.</source>
        <translation>Der Test von %1 %2 wurde aktualisiert.</translation>
    </message>
    <message>
        <source>The test of %1 %2 was saved.</source>
        <translation>Der Test von %1 %2 wurde gespeichert.</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Der Bericht wurde in %1 geschrieben.</translation>
    </message>
    <message>
        <source>The selected tests were written to %1.</source>
        <translation>Die ausgewählten Tests wurden in %1 geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) imported</source>
        <translation>
            <numerusform>%n Test importiert</numerusform>
            <numerusform>%n Tests importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cap set(s) added</source>
        <translation>
            <numerusform>%n Kappensatz hinzugefügt</numerusform>
            <numerusform>%n Kappensätze hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <translation>
            <numerusform>%n Zeile abgelehnt</numerusform>
            <numerusform>%n Zeilen abgelehnt</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Writing the reports...</source>
        <translation>Berichte werden geschrieben...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>Der Export wurde abgebrochen; es wurde nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%n report(s) were written to %1.</source>
        <translation>
            <numerusform>%n Bericht wurde in %1 geschrieben.</numerusform>
            <numerusform>%n Berichte wurden in %1 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>The PDF writer could not be started.</source>
        <translation>Die PDF-Ausgabe konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Footer Logo</source>
        <translation>Fußzeilen-Logo</translation>
    </message>
    <message>
        <source>The report was made without its footer logo: %1</source>
        <translation>Der Bericht wurde ohne das Fußzeilen-Logo erstellt: %1</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>Nichts wurde importiert</translation>
    </message>
    <message>
        <source>The file %1 holds no test; nothing was imported.</source>
        <translation>Die Datei %1 enthält keinen Test; nichts wurde importiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s) of the file held no readable record</source>
        <translation>
            <numerusform>%n Stelle der Datei enthielt keinen lesbaren Datensatz</numerusform>
            <numerusform>%n Stellen der Datei enthielten keinen lesbaren Datensatz</numerusform>
        </translation>
    </message>
    <message>
        <source>Database File</source>
        <translation>Datenbankdatei</translation>
    </message>
    <message>
        <source>The database file %1 could not be opened: no test can be read or stored, and the settings shown are not those of the file.</source>
        <translation>Die Datenbankdatei %1 konnte nicht geöffnet werden: Es können keine Tests gelesen oder gespeichert werden, und die angezeigten Einstellungen sind nicht die der Datei.</translation>
    </message>
    <message>
        <source>Retry when the other program has finished with the file, or open another database file.</source>
        <translation>Versuchen Sie es erneut, wenn das andere Programm die Datei nicht mehr verwendet, oder öffnen Sie eine andere Datenbankdatei.</translation>
    </message>
    <message>
        <source>Another program replaced or removed the database file %1 while it was open here, so nothing more can be stored in it.</source>
        <translation>Ein anderes Programm hat die Datenbankdatei %1 ersetzt oder entfernt, während sie hier geöffnet war; es kann nichts mehr darin gespeichert werden.</translation>
    </message>
    <message>
        <source>Open the file as it is now?</source>
        <translation>Die Datei in ihrem jetzigen Zustand öffnen?</translation>
    </message>
    <message>
        <source>The manual is missing: %1 was not found. Installing the program again puts it back.</source>
        <translation>Das Handbuch fehlt: %1 wurde nicht gefunden. Eine erneute Installation des Programms stellt es wieder her.</translation>
    </message>
    <message>
        <source>The manual %1 could not be shown: no program to open it was found.</source>
        <translation>Das Handbuch %1 konnte nicht angezeigt werden: Es wurde kein Programm zum Öffnen gefunden.</translation>
    </message>
</context>
<context>
    <name>ScoreWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>TrayCheck</name>
    <message>
        <source>missing %1</source>
        <translation>fehlt: %1</translation>
    </message>
    <message>
        <source>%1 belongs to tray %2</source>
        <translation>%1 gehört in Kasten %2</translation>
    </message>
    <message>
        <source>%1 belong to tray %2</source>
        <translation>%1 gehören in Kasten %2</translation>
    </message>
    <message>
        <source>%1 typed twice</source>
        <translation>%1 doppelt eingegeben</translation>
    </message>
    <message>
        <source>%1 typed more than twice</source>
        <translation>%1 mehr als zweimal eingegeben</translation>
    </message>
    <message>
        <source>%1 is not a cap number</source>
        <translation>%1 ist keine Kappennummer</translation>
    </message>
    <message>
        <source>%1 are not cap numbers</source>
        <translation>%1 sind keine Kappennummern</translation>
    </message>
</context>
<context>
    <name>analysisDisplay</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Discrimination:</source>
        <translation>Farbunterscheidung:</translation>
    </message>
</context>
<context>
    <name>chartGraphicsView</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Error Scores</source>
        <translation>Fehlerwerte</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>The database file could not be opened</source>
        <translation>Die Datenbankdatei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The database tables could not be created</source>
        <translation>Die Datenbanktabellen konnten nicht angelegt werden</translation>
    </message>
    <message>
        <source>The settings could not be stored</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>Die Einstellungen konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>The subject could not be stored</source>
        <translation>Der Proband konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The test could not be stored</source>
        <translation>Der Test konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The subject could not be updated</source>
        <translation>Der Proband konnte nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>no stored subject matched</source>
        <translation>kein gespeicherter Proband gefunden</translation>
    </message>
    <message>
        <source>The test could not be updated</source>
        <translation>Der Test konnte nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>no stored test matched</source>
        <translation>kein gespeicherter Test gefunden</translation>
    </message>
    <message>
        <source>The test could not be deleted</source>
        <translation>Der Test konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>The subject could not be deleted</source>
        <translation>Der Proband konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>The database could not be saved</source>
        <translation>Die Datenbank konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>it cannot be copied onto itself</source>
        <translation>sie kann nicht auf sich selbst kopiert werden</translation>
    </message>
    <message>
        <source>The database could not be read</source>
        <translation>Die Datenbank konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The cap set could not be stored</source>
        <translation>Der Kappensatz konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The cap set could not be updated</source>
        <translation>Der Kappensatz konnte nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>The cap set could not be removed</source>
        <translation>Der Kappensatz konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 could not be replaced</source>
        <translation>%1 konnte nicht ersetzt werden</translation>
    </message>
    <message>
        <source>another program replaced or removed %1 since it was opened</source>
        <translation>ein anderes Programm hat %1 seit dem Öffnen ersetzt oder entfernt</translation>
    </message>
    <message>
        <source>The database file could not be opened: %1</source>
        <translation>Die Datenbankdatei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>%1 is not a readable database (%2)</source>
        <translation>%1 ist keine lesbare Datenbank (%2)</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 wird von einem anderen Programm verwendet (%2)</translation>
    </message>
    <message>
        <source>%1 is damaged (%2)</source>
        <translation>%1 ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>%1 is not a database of this program: its table %2 has other columns</source>
        <translation>%1 ist keine Datenbank dieses Programms: Ihre Tabelle %2 hat andere Spalten</translation>
    </message>
    <message>
        <source>they could not be read from this file, and what is shown in their place must not replace them</source>
        <translation>sie konnten aus dieser Datei nicht gelesen werden, und was an ihrer Stelle angezeigt wird, darf sie nicht ersetzen</translation>
    </message>
</context>
<context>
    <name>labelImageDisplay</name>
    <message>
        <source>Select Logo Image</source>
        <translation>Logo-Bild auswählen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
</context>
<context>
    <name>preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Scoring Mode</source>
        <translation>Auswertungsmethode</translation>
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
        <translation>Auswertungsoptionen</translation>
    </message>
    <message>
        <source>In App</source>
        <translation>In der Anwendung</translation>
    </message>
    <message>
        <source>On Report</source>
        <translation>Im Bericht</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Testdauer</translation>
    </message>
    <message>
        <source>Total Error Score (TES)</source>
        <translation>Gesamtfehlerwert (TES)</translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES)</source>
        <translation>Wurzel des Gesamtfehlerwerts (TES)</translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Vingrys-Analyse</translation>
    </message>
    <message>
        <source>Classification</source>
        <translation>Einstufung</translation>
    </message>
    <message>
        <source>Percentage (First Time)</source>
        <translation>Prozentrang (Erstprüfung)</translation>
    </message>
    <message>
        <source>Percentage (Some Experience)</source>
        <translation>Prozentrang (etwas Erfahrung)</translation>
    </message>
    <message>
        <source>Percentage (Experienced)</source>
        <translation>Prozentrang (erfahren)</translation>
    </message>
    <message>
        <source>User Interface Options</source>
        <translation>Optionen der Benutzeroberfläche</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Customized Report Footer</source>
        <translation>Benutzerdefinierte Berichtsfußzeile</translation>
    </message>
    <message>
        <source>New Record Defaults</source>
        <translation>Vorgaben für neue Datensätze</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Lichtart</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Branche</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Erfahrung</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Cap Sets</source>
        <translation>Kappensätze</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Kaufdatum</translation>
    </message>
    <message>
        <source>Add a cap set</source>
        <translation>Kappensatz hinzufügen</translation>
    </message>
    <message>
        <source>Edit the selected cap set</source>
        <translation>Ausgewählten Kappensatz bearbeiten</translation>
    </message>
    <message>
        <source>Remove the selected cap set</source>
        <translation>Ausgewählten Kappensatz entfernen</translation>
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
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Nordamerika</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Südamerika</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>Mittelamerika</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asien</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrika</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Hochschule und Forschung</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Möbel</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Öffentlicher Dienst</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Medizin</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Verpackung</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Farben und Lacke</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>Pigment-/Farbmittelhersteller</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Kunststoff</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Druckerei</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automobilindustrie</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Werbetechnik</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Beizen</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Textil - Design</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Textil - Herstellung</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Bauwesen</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Konsumgüter</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Kosmetik</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Design - Architektur/Innenraum</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Design - Grafik</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Design - Industrie</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Design - Produkt</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Qualitätskontrolle</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Farbrezeptierung</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Farbspezifikation</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Gestaltung</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 Jahre</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 Jahre</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 Jahre</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 Jahre</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 Jahre und mehr</translation>
    </message>
</context>
<context>
    <name>serialNumDialog</name>
    <message>
        <source>Add New Cap Set</source>
        <translation>Neuen Kappensatz hinzufügen</translation>
    </message>
    <message>
        <source>Enter cap-set serial number and purchase date. Test results more than two years past purchase date are not certified and damaged, soiled or faded cap sets should be replaced.</source>
        <translation>Geben Sie die Seriennummer und das Kaufdatum des Kappensatzes ein. Testergebnisse, die mehr als zwei Jahre nach dem Kaufdatum erhoben werden, sind nicht zertifiziert; beschädigte, verschmutzte oder verblasste Kappensätze sollten ersetzt werden.</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Kaufdatum</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/TT/JJJJ</translation>
    </message>
</context>
</TS>
