<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnalysisFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>User Analysis Info</source>
        <translation>Informations d&apos;analyse</translation>
    </message>
    <message>
        <source>Total Error Score (TES): </source>
        <translation>Score d&apos;erreur total (TES)&#xa0;: </translation>
    </message>
    <message>
        <source>Classification: </source>
        <translation>Classification&#xa0;: </translation>
    </message>
    <message>
        <source>Graph Style</source>
        <translation>Type de graphique</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polaire</translation>
    </message>
    <message>
        <source>Show Confusion Axis</source>
        <translation>Afficher l&apos;axe de confusion</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Graph Scaling - Number of Steps</source>
        <translation>Échelle du graphique - Nombre de graduations</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuelle</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>Valeur actuelle</translation>
    </message>
    <message>
        <source>Graph Mode</source>
        <translation>Mode du graphique</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Subject: </source>
        <translation>Sujet&#xa0;: </translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Analyse de Vingrys</translation>
    </message>
    <message>
        <source>Angle: </source>
        <translation>Angle&#xa0;: </translation>
    </message>
    <message>
        <source>C-Index: </source>
        <translation>Indice C&#xa0;: </translation>
    </message>
    <message>
        <source>S-Index: </source>
        <translation>Indice S&#xa0;: </translation>
    </message>
    <message>
        <source>Subject: Averaged Results</source>
        <translation>Sujet&#xa0;: résultats moyennés</translation>
    </message>
    <message>
        <source>Total Error Score (totalScores): </source>
        <translation>Score d&apos;erreur total (totalScores)&#xa0;: </translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES): </source>
        <translation>Racine carrée du score d&apos;erreur total (TES)&#xa0;: </translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Centile</translation>
    </message>
    <message>
        <source>Unselected </source>
        <translation>Population non sélectionnée </translation>
    </message>
    <message>
        <source>In Plant: </source>
        <translation>En entreprise&#xa0;: </translation>
    </message>
    <message>
        <source>Experienced: </source>
        <translation>Expérimentés&#xa0;: </translation>
    </message>
    <message>
        <source>Reference: </source>
        <translation>Référence&#xa0;: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>Date de naissance&#xa0;: </translation>
    </message>
    <message>
        <source>Date of Test: </source>
        <translation>Date du test&#xa0;: </translation>
    </message>
    <message>
        <source>Comments: </source>
        <translation>Commentaires&#xa0;: </translation>
    </message>
    <message>
        <source>Test Duration: </source>
        <translation>Durée du test&#xa0;: </translation>
    </message>
    <message>
        <source>Unselected: </source>
        <translation>Population non sélectionnée&#xa0;: </translation>
    </message>
    <message>
        <source> (mins)</source>
        <translation> (min)</translation>
    </message>
    <message>
        <source>Gender: </source>
        <translation>Sexe&#xa0;: </translation>
    </message>
    <message>
        <source>Geographic Location: </source>
        <translation>Région géographique&#xa0;: </translation>
    </message>
    <message>
        <source>Industry Type: </source>
        <translation>Secteur d&apos;activité&#xa0;: </translation>
    </message>
    <message>
        <source>Primary Job Function: </source>
        <translation>Fonction principale&#xa0;: </translation>
    </message>
    <message>
        <source>Years of Experience: </source>
        <translation>Années d&apos;expérience&#xa0;: </translation>
    </message>
    <message>
        <source>Illumination Type: </source>
        <translation>Illuminant&#xa0;: </translation>
    </message>
    <message>
        <source>Square Root Total Error Score: </source>
        <translation>Racine carrée du score d&apos;erreur total&#xa0;: </translation>
    </message>
    <message>
        <source>Test Serial Number: </source>
        <translation>Numéro de série du test&#xa0;: </translation>
    </message>
    <message>
        <source>Cap Order: </source>
        <translation>Ordre des pastilles&#xa0;: </translation>
    </message>
    <message>
        <source>Veskora results not certified (No Serial Number)</source>
        <translation>Résultats Veskora non certifiés (aucun numéro de série)</translation>
    </message>
    <message>
        <source>Certified.</source>
        <translation>Certifié.</translation>
    </message>
    <message>
        <source>Veskora results not certified (The cap set is more than two years old).</source>
        <translation>Résultats Veskora non certifiés (le jeu de pastilles a plus de deux ans).</translation>
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
        <translation>Discrimination chromatique supérieure</translation>
    </message>
    <message>
        <source>Average Discrimination</source>
        <translation>Discrimination chromatique moyenne</translation>
    </message>
    <message>
        <source>Low Discrimination</source>
        <translation>Discrimination chromatique faible</translation>
    </message>
    <message>
        <source>Superior</source>
        <translation>Supérieure</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
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
        <translation>Déficit ambigu</translation>
    </message>
</context>
<context>
    <name>CapNumbersDialog</name>
    <message>
        <source>Type Cap Numbers</source>
        <translation>Saisir les numéros des pastilles</translation>
    </message>
    <message>
        <source>Type the numbers of each tray&apos;s caps from left to right, separated by blanks or commas. Enter moves to the next tray; a whole cap order pasted into the first line fills all four.</source>
        <translation>Saisissez les numéros des pastilles de chaque plateau de gauche à droite, séparés par des espaces ou des virgules. Entrée passe au plateau suivant ; un ordre complet collé dans la première ligne remplit les quatre.</translation>
    </message>
    <message>
        <source>Tray %1</source>
        <translation>Plateau %1</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Total Error Score (TES): %1</source>
        <translation>Score d’erreur total (TES) : %1</translation>
    </message>
    <message>
        <source>Total Error Score (TES): shown when all four trays are complete</source>
        <translation>Score d’erreur total (TES) : affiché quand les quatre plateaux sont complets</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) could not be read as a test and were not imported; the first is line %1.</source>
        <translation>
            <numerusform>%n ligne n&apos;a pas pu être lue comme un test et n&apos;a pas été importée&#xa0;; c&apos;est la ligne %1.</numerusform>
            <numerusform>%n lignes n&apos;ont pas pu être lues comme des tests et n&apos;ont pas été importées&#xa0;; la première est la ligne %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Rien n&apos;a été importé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: line %1 could not be stored: %2</source>
        <translation>Rien n&apos;a été importé&#xa0;: la ligne %1 n&apos;a pas pu être enregistrée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>DOB</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Deuxième prénom</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Illuminant</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Secteur d&apos;activité</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Numéro de référence</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>Date du test</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Contient</translation>
    </message>
    <message>
        <source>Is Exactly</source>
        <translation>Est exactement</translation>
    </message>
    <message>
        <source>Begins With</source>
        <translation>Commence par</translation>
    </message>
    <message>
        <source>Ends With</source>
        <translation>Se termine par</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>Saisir...</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>Select Test</source>
        <translation>Sélectionner le test</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>TES</source>
        <translation>TES</translation>
    </message>
    <message>
        <source>The search could not be run: %1</source>
        <translation>La recherche n&apos;a pas pu être effectuée&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n test(s)? This cannot be undone.</source>
        <translation>
            <numerusform>Supprimer %n test&#xa0;? Cette action est irréversible.</numerusform>
            <numerusform>Supprimer %n tests&#xa0;? Cette action est irréversible.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tests could not be deleted: %1</source>
        <translation>Les tests n&apos;ont pas pu être supprimés&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) deleted.</source>
        <translation>
            <numerusform>%n test supprimé.</numerusform>
            <numerusform>%n tests supprimés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HueSwatchLineWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>HueTestFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source> User Information</source>
        <translation> Informations sur le sujet</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Deuxième prénom</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>Saisir...</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Numéro de référence</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Secteur d&apos;activité</translation>
    </message>
    <message>
        <source>Test Information</source>
        <translation>Informations sur le test</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>Date du test</translation>
    </message>
    <message>
        <source>Time (mins)</source>
        <translation>Durée (min)</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Illuminant</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Reset Test</source>
        <translation>Réinitialiser le test</translation>
    </message>
    <message>
        <source>Show Scores</source>
        <translation>Afficher les scores</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
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
        <translation>Autre</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Amérique du Nord</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Amérique du Sud</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>Amérique centrale</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asie</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrique</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Enseignement et recherche</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Agroalimentaire</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Ameublement</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Administration publique</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Médical</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Emballage</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Peintures</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>Fabricant de pigments/colorants</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Plasturgie</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimerie</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automobile</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Enseignes et signalétique</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Teintures pour bois</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Textile - Création</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Textile - Fabrication</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Bâtiment</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Biens de consommation</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Cosmétique</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Design - Architecture/Intérieur</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Design - Graphique</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Design - Industriel</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Design - Produit</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Contrôle qualité</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Formulation des couleurs</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Spécification des couleurs</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Création</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 ans</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 ans</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 ans</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 ans</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 ans et plus</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Please enter a date of birth and first and last names.</source>
        <translation>Veuillez saisir une date de naissance, un prénom et un nom.</translation>
    </message>
    <message>
        <source>The test could not be saved.</source>
        <translation>Le test n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The test could not be updated.</source>
        <translation>Le test n&apos;a pas pu être mis à jour.</translation>
    </message>
    <message>
        <source>The stored arrangement was incomplete: the missing caps follow in ascending order. Update to store the whole arrangement.</source>
        <translation>L’arrangement enregistré était incomplet : les pastilles manquantes suivent dans l’ordre croissant. Mettez à jour pour enregistrer l’arrangement complet.</translation>
    </message>
    <message>
        <source>Type Cap Numbers…</source>
        <translation>Saisir les numéros…</translation>
    </message>
    <message>
        <source>Move Cap</source>
        <translation>Déplacer la pastille</translation>
    </message>
    <message>
        <source>Type Cap Numbers</source>
        <translation>Saisir les numéros des pastilles</translation>
    </message>
</context>
<context>
    <name>LegacyImport</name>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Le fichier %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The database could not be written: %1</source>
        <translation>La base de données n&apos;a pas pu être écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Rien n&apos;a été importé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file %1 holds no test record that could be read; nothing was imported.</source>
        <translation>Le fichier %1 ne contient aucun test lisible&#xa0;; rien n&apos;a été importé.</translation>
    </message>
</context>
<context>
    <name>LogoImage</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 dépasse %2&#xa0;Mo.</translation>
    </message>
    <message>
        <source>%1 is not an image that can be read (%2).</source>
        <translation>%1 n&apos;est pas une image lisible (%2).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Veskora Scoring Software</source>
        <translation>Logiciel d&apos;évaluation Veskora</translation>
    </message>
    <message>
        <source>New Hue Test</source>
        <translation>Nouveau test de teintes</translation>
    </message>
    <message>
        <source>View/Arrange</source>
        <translation>Afficher/Ordonner</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>VK100 Database Version 1 (HDB)</source>
        <translation>Base de données VK100 version 1 (HDB)</translation>
    </message>
    <message>
        <source>VK100 Database Version 2 (VKT)</source>
        <translation>Base de données VK100 version 2 (VKT)</translation>
    </message>
    <message>
        <source>Comma Separated Values (CSV)</source>
        <translation>Valeurs séparées par des virgules (CSV)</translation>
    </message>
    <message>
        <source>Selected Records as PDF</source>
        <translation>Enregistrements sélectionnés en PDF</translation>
    </message>
    <message>
        <source>Selected Records as CSV</source>
        <translation>Enregistrements sélectionnés en CSV</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Copy Name and Analysis</source>
        <translation>Copier le nom et l&apos;analyse</translation>
    </message>
    <message>
        <source>Copy Graph</source>
        <translation>Copier le graphique</translation>
    </message>
    <message>
        <source>Data Entry Screen</source>
        <translation>Écran de saisie</translation>
    </message>
    <message>
        <source>Polar Graph</source>
        <translation>Graphique polaire</translation>
    </message>
    <message>
        <source>Linear Graph</source>
        <translation>Graphique linéaire</translation>
    </message>
    <message>
        <source>About Application</source>
        <translation>À propos de l&apos;application</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>À propos de Qt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>New Database</source>
        <translation>Nouvelle base de données</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Ouvrir une base de données</translation>
    </message>
    <message>
        <source>Save Database As</source>
        <translation>Enregistrer la base de données sous</translation>
    </message>
    <message>
        <source>Veskora Test Scoring Software</source>
        <translation>Logiciel d&apos;évaluation des tests Veskora</translation>
    </message>
    <message>
        <source>Veskora Results</source>
        <translation>Résultats Veskora</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Test developed by:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
Software: Veskora Scoring Team</source>
        <translation>Test développé par&#xa0;:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
Logiciel&#xa0;: Veskora Scoring Team</translation>
    </message>
    <message>
        <source>Unspecified</source>
        <translation>Non précisé</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Amérique du Nord</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Amérique du Sud</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>Amérique centrale</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asie</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrique</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Enseignement et recherche</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Agroalimentaire</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Ameublement</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Administration publique</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Médical</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Emballage</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Peintures</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Pigment/Colorant Manufacturer</source>
        <translation>Fabricant de pigments/colorants</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Plasturgie</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimerie</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automobile</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Enseignes et signalétique</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Teintures pour bois</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Textile - Création</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Textile - Fabrication</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Bâtiment</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Biens de consommation</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Cosmétique</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Design - Architecture/Intérieur</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Design - Graphique</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Design - Industriel</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Design - Produit</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Contrôle qualité</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Formulation des couleurs</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Spécification des couleurs</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Création</translation>
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
        <translation>0 - 2 ans</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 ans</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 ans</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 ans</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 ans et plus</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>There are unsaved changes.</source>
        <translation>Des modifications n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Voulez-vous enregistrer vos modifications&#xa0;?</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv)</source>
        <translation>Fichiers texte (*.txt *.csv)</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un fichier CSV</translation>
    </message>
    <message>
        <source>Import HDB</source>
        <translation>Importer un fichier HDB</translation>
    </message>
    <message>
        <source>Import VKT</source>
        <translation>Importer un fichier VKT</translation>
    </message>
    <message>
        <source>Developed by the Veskora Scoring Team
for examiners of colour discrimination.
Version %1</source>
        <translation>Développé par l&apos;équipe Veskora Scoring
pour les examinateurs de la discrimination chromatique.
Version %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>The test of %1 %2 was updated.</source>
        <translation>Le test de %1 %2 a été mis à jour.</translation>
    </message>
    <message>
        <source>The test of %1 %2 was saved.</source>
        <translation>Le test de %1 %2 a été enregistré.</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Le rapport a été écrit dans %1.</translation>
    </message>
    <message>
        <source>The selected tests were written to %1.</source>
        <translation>Les tests sélectionnés ont été écrits dans %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) imported</source>
        <translation>
            <numerusform>%n test importé</numerusform>
            <numerusform>%n tests importés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cap set(s) added</source>
        <translation>
            <numerusform>%n jeu de pastilles ajouté</numerusform>
            <numerusform>%n jeux de pastilles ajoutés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <translation>
            <numerusform>%n ligne refusée</numerusform>
            <numerusform>%n lignes refusées</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Writing the reports...</source>
        <translation>Écriture des rapports...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>L&apos;exportation a été annulée ; rien n&apos;a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>%n report(s) were written to %1.</source>
        <translation>
            <numerusform>%n rapport a été écrit dans %1.</numerusform>
            <numerusform>%n rapports ont été écrits dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The PDF writer could not be started.</source>
        <translation>Le générateur PDF n&apos;a pas pu être démarré.</translation>
    </message>
    <message>
        <source>Footer Logo</source>
        <translation>Logo du pied de page</translation>
    </message>
    <message>
        <source>The report was made without its footer logo: %1</source>
        <translation>Le rapport a été créé sans le logo du pied de page&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>Rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>The file %1 holds no test; nothing was imported.</source>
        <translation>Le fichier %1 ne contient aucun test&#xa0;; rien n&apos;a été importé.</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s) of the file held no readable record</source>
        <translation>
            <numerusform>%n emplacement du fichier ne contenait aucun enregistrement lisible</numerusform>
            <numerusform>%n emplacements du fichier ne contenaient aucun enregistrement lisible</numerusform>
        </translation>
    </message>
    <message>
        <source>Database File</source>
        <translation>Fichier de base de données</translation>
    </message>
    <message>
        <source>The database file %1 could not be opened: no test can be read or stored, and the settings shown are not those of the file.</source>
        <translation>Le fichier de base de données %1 n&apos;a pas pu être ouvert&#xa0;: aucun test ne peut être lu ni enregistré, et les préférences affichées ne sont pas celles du fichier.</translation>
    </message>
    <message>
        <source>Retry when the other program has finished with the file, or open another database file.</source>
        <translation>Réessayez lorsque l&apos;autre programme n&apos;utilise plus le fichier, ou ouvrez un autre fichier de base de données.</translation>
    </message>
    <message>
        <source>Another program replaced or removed the database file %1 while it was open here, so nothing more can be stored in it.</source>
        <translation>Un autre programme a remplacé ou supprimé le fichier de base de données %1 pendant qu&apos;il était ouvert ici&#xa0;; plus rien ne peut y être enregistré.</translation>
    </message>
    <message>
        <source>Open the file as it is now?</source>
        <translation>Ouvrir le fichier dans son état actuel&#xa0;?</translation>
    </message>
    <message>
        <source>The manual is missing: %1 was not found. Installing the program again puts it back.</source>
        <translation>Le manuel est introuvable&#xa0;: %1 n&apos;existe pas. Réinstaller le programme le rétablit.</translation>
    </message>
    <message>
        <source>The manual %1 could not be shown: no program to open it was found.</source>
        <translation>Le manuel %1 n&apos;a pas pu être affiché&#xa0;: aucun programme pour l&apos;ouvrir n&apos;a été trouvé.</translation>
    </message>
</context>
<context>
    <name>ScoreWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>TrayCheck</name>
    <message>
        <source>missing %1</source>
        <translation>manquantes : %1</translation>
    </message>
    <message>
        <source>%1 belongs to tray %2</source>
        <translation>%1 appartient au plateau %2</translation>
    </message>
    <message>
        <source>%1 belong to tray %2</source>
        <translation>%1 appartiennent au plateau %2</translation>
    </message>
    <message>
        <source>%1 typed twice</source>
        <translation>%1 saisi deux fois</translation>
    </message>
    <message>
        <source>%1 typed more than twice</source>
        <translation>%1 saisi plus de deux fois</translation>
    </message>
    <message>
        <source>%1 is not a cap number</source>
        <translation>%1 n’est pas un numéro de pastille</translation>
    </message>
    <message>
        <source>%1 are not cap numbers</source>
        <translation>%1 ne sont pas des numéros de pastille</translation>
    </message>
</context>
<context>
    <name>analysisDisplay</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Discrimination:</source>
        <translation>Discrimination&#xa0;:</translation>
    </message>
</context>
<context>
    <name>chartGraphicsView</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Error Scores</source>
        <translation>Scores d&apos;erreur</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>The database file could not be opened</source>
        <translation>Le fichier de base de données n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>The database tables could not be created</source>
        <translation>Les tables de la base de données n&apos;ont pas pu être créées</translation>
    </message>
    <message>
        <source>The settings could not be stored</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>Les paramètres n&apos;ont pas pu être lus</translation>
    </message>
    <message>
        <source>The subject could not be stored</source>
        <translation>Le sujet n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>The test could not be stored</source>
        <translation>Le test n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>The subject could not be updated</source>
        <translation>Le sujet n&apos;a pas pu être mis à jour</translation>
    </message>
    <message>
        <source>no stored subject matched</source>
        <translation>aucun sujet enregistré ne correspond</translation>
    </message>
    <message>
        <source>The test could not be updated</source>
        <translation>Le test n&apos;a pas pu être mis à jour</translation>
    </message>
    <message>
        <source>no stored test matched</source>
        <translation>aucun test enregistré ne correspond</translation>
    </message>
    <message>
        <source>The test could not be deleted</source>
        <translation>Le test n&apos;a pas pu être supprimé</translation>
    </message>
    <message>
        <source>The subject could not be deleted</source>
        <translation>Le sujet n&apos;a pas pu être supprimé</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>The database could not be saved</source>
        <translation>La base de données n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>it cannot be copied onto itself</source>
        <translation>elle ne peut pas être copiée sur elle-même</translation>
    </message>
    <message>
        <source>The database could not be read</source>
        <translation>La base de données n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>The cap set could not be stored</source>
        <translation>Le jeu de pastilles n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>The cap set could not be updated</source>
        <translation>Le jeu de pastilles n&apos;a pas pu être mis à jour</translation>
    </message>
    <message>
        <source>The cap set could not be removed</source>
        <translation>Le jeu de pastilles n&apos;a pas pu être retiré</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1 could not be replaced</source>
        <translation>%1 n&apos;a pas pu être remplacé</translation>
    </message>
    <message>
        <source>another program replaced or removed %1 since it was opened</source>
        <translation>un autre programme a remplacé ou supprimé %1 depuis son ouverture</translation>
    </message>
    <message>
        <source>The database file could not be opened: %1</source>
        <translation>Le fichier de base de données n&apos;a pas pu être ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is not a readable database (%2)</source>
        <translation>%1 n&apos;est pas une base de données lisible (%2)</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 est utilisé par un autre programme (%2)</translation>
    </message>
    <message>
        <source>%1 is damaged (%2)</source>
        <translation>%1 est endommagé (%2)</translation>
    </message>
    <message>
        <source>%1 is not a database of this program: its table %2 has other columns</source>
        <translation>%1 n&apos;est pas une base de données de ce programme&#xa0;: sa table %2 a d&apos;autres colonnes</translation>
    </message>
    <message>
        <source>they could not be read from this file, and what is shown in their place must not replace them</source>
        <translation>elles n&apos;ont pas pu être lues dans ce fichier, et ce qui est affiché à leur place ne doit pas les remplacer</translation>
    </message>
</context>
<context>
    <name>labelImageDisplay</name>
    <message>
        <source>Select Logo Image</source>
        <translation>Sélectionner l&apos;image du logo</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
</context>
<context>
    <name>preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Scoring Mode</source>
        <translation>Méthode d&apos;évaluation</translation>
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
        <translation>Options d&apos;analyse</translation>
    </message>
    <message>
        <source>In App</source>
        <translation>Dans l&apos;application</translation>
    </message>
    <message>
        <source>On Report</source>
        <translation>Dans le rapport</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Durée du test</translation>
    </message>
    <message>
        <source>Total Error Score (TES)</source>
        <translation>Score d&apos;erreur total (TES)</translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES)</source>
        <translation>Racine carrée du score d&apos;erreur total (TES)</translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Analyse de Vingrys</translation>
    </message>
    <message>
        <source>Classification</source>
        <translation>Classification</translation>
    </message>
    <message>
        <source>Percentage (First Time)</source>
        <translation>Centile (première passation)</translation>
    </message>
    <message>
        <source>Percentage (Some Experience)</source>
        <translation>Centile (quelque expérience)</translation>
    </message>
    <message>
        <source>Percentage (Experienced)</source>
        <translation>Centile (expérimentés)</translation>
    </message>
    <message>
        <source>User Interface Options</source>
        <translation>Options de l&apos;interface</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Customized Report Footer</source>
        <translation>Pied de page personnalisé du rapport</translation>
    </message>
    <message>
        <source>New Record Defaults</source>
        <translation>Valeurs par défaut des nouveaux enregistrements</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Illuminant</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Secteur d&apos;activité</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Cap Sets</source>
        <translation>Jeux de pastilles</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Date d&apos;achat</translation>
    </message>
    <message>
        <source>Add a cap set</source>
        <translation>Ajouter un jeu de pastilles</translation>
    </message>
    <message>
        <source>Edit the selected cap set</source>
        <translation>Modifier le jeu de pastilles sélectionné</translation>
    </message>
    <message>
        <source>Remove the selected cap set</source>
        <translation>Retirer le jeu de pastilles sélectionné</translation>
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
        <translation>Autre</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Amérique du Nord</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Amérique du Sud</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>Amérique centrale</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asie</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrique</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Enseignement et recherche</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Agroalimentaire</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Ameublement</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Administration publique</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Médical</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Emballage</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Peintures</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>Fabricant de pigments/colorants</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Plasturgie</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimerie</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automobile</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Enseignes et signalétique</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Teintures pour bois</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Textile - Création</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Textile - Fabrication</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Bâtiment</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Biens de consommation</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Cosmétique</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Design - Architecture/Intérieur</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Design - Graphique</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Design - Industriel</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Design - Produit</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Contrôle qualité</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Formulation des couleurs</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Spécification des couleurs</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Création</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 ans</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 ans</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 ans</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 ans</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 ans et plus</translation>
    </message>
</context>
<context>
    <name>serialNumDialog</name>
    <message>
        <source>Add New Cap Set</source>
        <translation>Ajouter un nouveau jeu de pastilles</translation>
    </message>
    <message>
        <source>Enter cap-set serial number and purchase date. Test results more than two years past purchase date are not certified and damaged, soiled or faded cap sets should be replaced.</source>
        <translation>Saisissez le numéro de série et la date d&apos;achat du jeu de pastilles. Les résultats obtenus plus de deux ans après la date d&apos;achat ne sont pas certifiés ; les jeux de pastilles endommagés, salis ou décolorés doivent être remplacés.</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Date d&apos;achat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/JJ/AAAA</translation>
    </message>
</context>
</TS>
