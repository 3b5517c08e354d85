<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AnalysisFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>User Analysis Info</source>
        <translation>Información del análisis</translation>
    </message>
    <message>
        <source>Total Error Score (TES): </source>
        <translation>Puntuación de error total (TES): </translation>
    </message>
    <message>
        <source>Classification: </source>
        <translation>Clasificación: </translation>
    </message>
    <message>
        <source>Graph Style</source>
        <translation>Tipo de gráfico</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>Show Confusion Axis</source>
        <translation>Mostrar eje de confusión</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Graph Scaling - Number of Steps</source>
        <translation>Escala del gráfico - Número de divisiones</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>Valor actual</translation>
    </message>
    <message>
        <source>Graph Mode</source>
        <translation>Modo del gráfico</translation>
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
        <translation>Sujeto: </translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Análisis de Vingrys</translation>
    </message>
    <message>
        <source>Angle: </source>
        <translation>Ángulo: </translation>
    </message>
    <message>
        <source>C-Index: </source>
        <translation>Índice C: </translation>
    </message>
    <message>
        <source>S-Index: </source>
        <translation>Índice S: </translation>
    </message>
    <message>
        <source>Subject: Averaged Results</source>
        <translation>Sujeto: Resultados promediados</translation>
    </message>
    <message>
        <source>Total Error Score (totalScores): </source>
        <translation>Puntuación de error total (totalScores): </translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES): </source>
        <translation>Raíz cuadrada de la puntuación de error total (TES): </translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Percentil</translation>
    </message>
    <message>
        <source>Unselected </source>
        <translation>Población no seleccionada </translation>
    </message>
    <message>
        <source>In Plant: </source>
        <translation>En planta: </translation>
    </message>
    <message>
        <source>Experienced: </source>
        <translation>Con experiencia: </translation>
    </message>
    <message>
        <source>Reference: </source>
        <translation>Referencia: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>Fecha de nacimiento: </translation>
    </message>
    <message>
        <source>Date of Test: </source>
        <translation>Fecha de la prueba: </translation>
    </message>
    <message>
        <source>Comments: </source>
        <translation>Comentarios: </translation>
    </message>
    <message>
        <source>Test Duration: </source>
        <translation>Duración de la prueba: </translation>
    </message>
    <message>
        <source>Unselected: </source>
        <translation>Población no seleccionada: </translation>
    </message>
    <message>
        <source> (mins)</source>
        <translation> (min)</translation>
    </message>
    <message>
        <source>Gender: </source>
        <translation>Sexo: </translation>
    </message>
    <message>
        <source>Geographic Location: </source>
        <translation>Región geográfica: </translation>
    </message>
    <message>
        <source>Industry Type: </source>
        <translation>Sector: </translation>
    </message>
    <message>
        <source>Primary Job Function: </source>
        <translation>Función principal: </translation>
    </message>
    <message>
        <source>Years of Experience: </source>
        <translation>Años de experiencia: </translation>
    </message>
    <message>
        <source>Illumination Type: </source>
        <translation>Iluminante: </translation>
    </message>
    <message>
        <source>Square Root Total Error Score: </source>
        <translation>Raíz cuadrada de la puntuación de error total: </translation>
    </message>
    <message>
        <source>Test Serial Number: </source>
        <translation>Número de serie de la prueba: </translation>
    </message>
    <message>
        <source>Cap Order: </source>
        <translation>Orden de las fichas: </translation>
    </message>
    <message>
        <source>Veskora results not certified (No Serial Number)</source>
        <translation>Resultados Veskora no certificados (sin número de serie)</translation>
    </message>
    <message>
        <source>Certified.</source>
        <translation>Certificado.</translation>
    </message>
    <message>
        <source>Veskora results not certified (The cap set is more than two years old).</source>
        <translation>Resultados Veskora no certificados (el juego de fichas tiene más de dos años).</translation>
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
        <translation>Discriminación cromática superior</translation>
    </message>
    <message>
        <source>Average Discrimination</source>
        <translation>Discriminación cromática media</translation>
    </message>
    <message>
        <source>Low Discrimination</source>
        <translation>Discriminación cromática baja</translation>
    </message>
    <message>
        <source>Superior</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Protan</source>
        <translation>Protán</translation>
    </message>
    <message>
        <source>Duetan</source>
        <translation>Deután</translation>
    </message>
    <message>
        <source>Tritan</source>
        <translation>Tritán</translation>
    </message>
    <message>
        <source>Ambigious Deficiency</source>
        <translation>Deficiencia ambigua</translation>
    </message>
</context>
<context>
    <name>CapNumbersDialog</name>
    <message>
        <source>Type Cap Numbers</source>
        <translation>Escribir los números de las fichas</translation>
    </message>
    <message>
        <source>Type the numbers of each tray&apos;s caps from left to right, separated by blanks or commas. Enter moves to the next tray; a whole cap order pasted into the first line fills all four.</source>
        <translation>Escriba los números de las fichas de cada bandeja de izquierda a derecha, separados por espacios o comas. Intro pasa a la bandeja siguiente; un orden completo pegado en la primera línea rellena las cuatro.</translation>
    </message>
    <message>
        <source>Tray %1</source>
        <translation>Bandeja %1</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Total Error Score (TES): %1</source>
        <translation>Puntuación de error total (TES): %1</translation>
    </message>
    <message>
        <source>Total Error Score (TES): shown when all four trays are complete</source>
        <translation>Puntuación de error total (TES): se muestra cuando las cuatro bandejas están completas</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>No se pudo leer el archivo %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) could not be read as a test and were not imported; the first is line %1.</source>
        <translation>
            <numerusform>%n línea no se pudo leer como una prueba y no se importó; es la línea %1.</numerusform>
            <numerusform>%n líneas no se pudieron leer como pruebas y no se importaron; la primera es la línea %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>No se importó nada: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: line %1 could not be stored: %2</source>
        <translation>No se importó nada: la línea %1 no se pudo guardar: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>DOB</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Experiencia</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Iluminante</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Número de referencia</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>Fecha de la prueba</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Contiene</translation>
    </message>
    <message>
        <source>Is Exactly</source>
        <translation>Es exactamente</translation>
    </message>
    <message>
        <source>Begins With</source>
        <translation>Empieza por</translation>
    </message>
    <message>
        <source>Ends With</source>
        <translation>Termina en</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>Introducir...</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Borrar búsqueda</translation>
    </message>
    <message>
        <source>Select Test</source>
        <translation>Seleccionar prueba</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Función laboral</translation>
    </message>
    <message>
        <source>TES</source>
        <translation>TES</translation>
    </message>
    <message>
        <source>The search could not be run: %1</source>
        <translation>No se pudo realizar la búsqueda: %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n test(s)? This cannot be undone.</source>
        <translation>
            <numerusform>¿Eliminar %n prueba? No se puede deshacer.</numerusform>
            <numerusform>¿Eliminar %n pruebas? No se puede deshacer.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tests could not be deleted: %1</source>
        <translation>No se pudieron eliminar las pruebas: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) deleted.</source>
        <translation>
            <numerusform>%n prueba eliminada.</numerusform>
            <numerusform>%n pruebas eliminadas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HueSwatchLineWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>HueTestFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source> User Information</source>
        <translation> Información del sujeto</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>Introducir...</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Número de referencia</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Experiencia</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Función laboral</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>Test Information</source>
        <translation>Información de la prueba</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>Fecha de la prueba</translation>
    </message>
    <message>
        <source>Time (mins)</source>
        <translation>Duración (min)</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Iluminante</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Reset Test</source>
        <translation>Restablecer prueba</translation>
    </message>
    <message>
        <source>Show Scores</source>
        <translation>Mostrar puntuaciones</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
        <translation>Otro</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>América del Norte</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>América del Sur</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>América Central</translation>
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
        <translation>África</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Académico</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimentación</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Mobiliario</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Administración pública</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Sanidad</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Envases y embalajes</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Pinturas</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>Fabricante de pigmentos/colorantes</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Plásticos</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprenta</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automoción</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Rotulación</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Tintes para madera</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Textil - Diseño</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Textil - Fabricación</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Construcción</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Bienes de consumo</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Cosmética</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Diseño - Arquitectura/Interiores</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Diseño - Gráfico</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Diseño - Industrial</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Diseño - Producto</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Control de calidad</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Formulación del color</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Especificación del color</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Creatividad</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 años</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 años</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 años</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 años</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 años o más</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Please enter a date of birth and first and last names.</source>
        <translation>Introduzca una fecha de nacimiento, un nombre y los apellidos.</translation>
    </message>
    <message>
        <source>The test could not be saved.</source>
        <translation>No se pudo guardar la prueba.</translation>
    </message>
    <message>
        <source>The test could not be updated.</source>
        <translation>No se pudo actualizar la prueba.</translation>
    </message>
    <message>
        <source>The stored arrangement was incomplete: the missing caps follow in ascending order. Update to store the whole arrangement.</source>
        <translation>La disposición guardada estaba incompleta: las fichas que faltan siguen en orden ascendente. Actualice para guardar la disposición completa.</translation>
    </message>
    <message>
        <source>Type Cap Numbers…</source>
        <translation>Escribir números…</translation>
    </message>
    <message>
        <source>Move Cap</source>
        <translation>Mover ficha</translation>
    </message>
    <message>
        <source>Type Cap Numbers</source>
        <translation>Escribir los números de las fichas</translation>
    </message>
</context>
<context>
    <name>LegacyImport</name>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>No se pudo leer el archivo %1.</translation>
    </message>
    <message>
        <source>The database could not be written: %1</source>
        <translation>No se pudo escribir en la base de datos: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>No se importó nada: %1</translation>
    </message>
    <message>
        <source>The file %1 holds no test record that could be read; nothing was imported.</source>
        <translation>El archivo %1 no contiene ningún registro de prueba legible; no se importó nada.</translation>
    </message>
</context>
<context>
    <name>LogoImage</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 ocupa más de %2 MB.</translation>
    </message>
    <message>
        <source>%1 is not an image that can be read (%2).</source>
        <translation>%1 no es una imagen legible (%2).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Veskora Scoring Software</source>
        <translation>Software de puntuación Veskora</translation>
    </message>
    <message>
        <source>New Hue Test</source>
        <translation>Nueva prueba de tonos</translation>
    </message>
    <message>
        <source>View/Arrange</source>
        <translation>Ver/Ordenar</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de datos</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>VK100 Database Version 1 (HDB)</source>
        <translation>Base de datos VK100 versión 1 (HDB)</translation>
    </message>
    <message>
        <source>VK100 Database Version 2 (VKT)</source>
        <translation>Base de datos VK100 versión 2 (VKT)</translation>
    </message>
    <message>
        <source>Comma Separated Values (CSV)</source>
        <translation>Valores separados por comas (CSV)</translation>
    </message>
    <message>
        <source>Selected Records as PDF</source>
        <translation>Registros seleccionados como PDF</translation>
    </message>
    <message>
        <source>Selected Records as CSV</source>
        <translation>Registros seleccionados como CSV</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Configurar página</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Copy Name and Analysis</source>
        <translation>Copiar nombre y análisis</translation>
    </message>
    <message>
        <source>Copy Graph</source>
        <translation>Copiar gráfico</translation>
    </message>
    <message>
        <source>Data Entry Screen</source>
        <translation>Pantalla de introducción de datos</translation>
    </message>
    <message>
        <source>Polar Graph</source>
        <translation>Gráfico polar</translation>
    </message>
    <message>
        <source>Linear Graph</source>
        <translation>Gráfico lineal</translation>
    </message>
    <message>
        <source>About Application</source>
        <translation>Acerca de la aplicación</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Acerca de Qt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>New Database</source>
        <translation>Nueva base de datos</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Abrir base de datos</translation>
    </message>
    <message>
        <source>Save Database As</source>
        <translation>Guardar base de datos como</translation>
    </message>
    <message>
        <source>Veskora Test Scoring Software</source>
        <translation>Software de puntuación de pruebas Veskora</translation>
    </message>
    <message>
        <source>Veskora Results</source>
        <translation>Resultados Veskora</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Test developed by:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
Software: Veskora Scoring Team</source>
        <translation>Prueba desarrollada por:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
Software: Veskora Scoring Team</translation>
    </message>
    <message>
        <source>Unspecified</source>
        <translation>No especificado</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Mujer</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Hombre</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>América del Norte</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>América del Sur</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>América Central</translation>
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
        <translation>África</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Académico</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimentación</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Mobiliario</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Administración pública</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Sanidad</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Envases y embalajes</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Pinturas</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Pigment/Colorant Manufacturer</source>
        <translation>Fabricante de pigmentos/colorantes</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Plásticos</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprenta</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automoción</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Rotulación</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Tintes para madera</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Textil - Diseño</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Textil - Fabricación</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Construcción</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Bienes de consumo</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Cosmética</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Diseño - Arquitectura/Interiores</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Diseño - Gráfico</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Diseño - Industrial</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Diseño - Producto</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Control de calidad</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Formulación del color</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Especificación del color</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Creatividad</translation>
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
        <translation>0 - 2 años</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 años</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 años</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 años</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 años o más</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>There are unsaved changes.</source>
        <translation>Hay cambios sin guardar.</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo %1.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv)</source>
        <translation>Archivos de texto (*.txt *.csv)</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>Import HDB</source>
        <translation>Importar HDB</translation>
    </message>
    <message>
        <source>Import VKT</source>
        <translation>Importar VKT</translation>
    </message>
    <message>
        <source>Developed by the Veskora Scoring Team
for examiners of colour discrimination.
Version %1</source>
        <translation>Desarrollado por el Veskora Scoring Team
para examinadores de la discriminación cromática.
Versión %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>The test of %1 %2 was updated.</source>
        <translation>La prueba de %1 %2 se ha actualizado.</translation>
    </message>
    <message>
        <source>The test of %1 %2 was saved.</source>
        <translation>La prueba de %1 %2 se ha guardado.</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>El informe se ha escrito en %1.</translation>
    </message>
    <message>
        <source>The selected tests were written to %1.</source>
        <translation>Las pruebas seleccionadas se han escrito en %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) imported</source>
        <translation>
            <numerusform>%n prueba importada</numerusform>
            <numerusform>%n pruebas importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cap set(s) added</source>
        <translation>
            <numerusform>%n juego de fichas añadido</numerusform>
            <numerusform>%n juegos de fichas añadidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <translation>
            <numerusform>%n línea rechazada</numerusform>
            <numerusform>%n líneas rechazadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Writing the reports...</source>
        <translation>Escribiendo los informes...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>La exportación se canceló; no se escribió nada.</translation>
    </message>
    <message numerus="yes">
        <source>%n report(s) were written to %1.</source>
        <translation>
            <numerusform>Se escribió %n informe en %1.</numerusform>
            <numerusform>Se escribieron %n informes en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The PDF writer could not be started.</source>
        <translation>No se pudo iniciar la escritura del PDF.</translation>
    </message>
    <message>
        <source>Footer Logo</source>
        <translation>Logotipo del pie de página</translation>
    </message>
    <message>
        <source>The report was made without its footer logo: %1</source>
        <translation>El informe se creó sin el logotipo del pie de página: %1</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>No se importó nada</translation>
    </message>
    <message>
        <source>The file %1 holds no test; nothing was imported.</source>
        <translation>El archivo %1 no contiene ninguna prueba; no se importó nada.</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s) of the file held no readable record</source>
        <translation>
            <numerusform>%n posición del archivo no contenía ningún registro legible</numerusform>
            <numerusform>%n posiciones del archivo no contenían ningún registro legible</numerusform>
        </translation>
    </message>
    <message>
        <source>Database File</source>
        <translation>Archivo de base de datos</translation>
    </message>
    <message>
        <source>The database file %1 could not be opened: no test can be read or stored, and the settings shown are not those of the file.</source>
        <translation>No se pudo abrir el archivo de base de datos %1: no se puede leer ni guardar ninguna prueba, y los ajustes mostrados no son los del archivo.</translation>
    </message>
    <message>
        <source>Retry when the other program has finished with the file, or open another database file.</source>
        <translation>Vuelva a intentarlo cuando el otro programa haya terminado con el archivo, o abra otro archivo de base de datos.</translation>
    </message>
    <message>
        <source>Another program replaced or removed the database file %1 while it was open here, so nothing more can be stored in it.</source>
        <translation>Otro programa reemplazó o eliminó el archivo de base de datos %1 mientras estaba abierto aquí, por lo que ya no se puede guardar nada en él.</translation>
    </message>
    <message>
        <source>Open the file as it is now?</source>
        <translation>¿Abrir el archivo tal como está ahora?</translation>
    </message>
    <message>
        <source>The manual is missing: %1 was not found. Installing the program again puts it back.</source>
        <translation>Falta el manual: no se encontró %1. Al volver a instalar el programa se restaura.</translation>
    </message>
    <message>
        <source>The manual %1 could not be shown: no program to open it was found.</source>
        <translation>No se pudo mostrar el manual %1: no se encontró ningún programa para abrirlo.</translation>
    </message>
</context>
<context>
    <name>ScoreWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>TrayCheck</name>
    <message>
        <source>missing %1</source>
        <translation>faltan %1</translation>
    </message>
    <message>
        <source>%1 belongs to tray %2</source>
        <translation>%1 pertenece a la bandeja %2</translation>
    </message>
    <message>
        <source>%1 belong to tray %2</source>
        <translation>%1 pertenecen a la bandeja %2</translation>
    </message>
    <message>
        <source>%1 typed twice</source>
        <translation>%1 escrito dos veces</translation>
    </message>
    <message>
        <source>%1 typed more than twice</source>
        <translation>%1 escrito más de dos veces</translation>
    </message>
    <message>
        <source>%1 is not a cap number</source>
        <translation>%1 no es un número de ficha</translation>
    </message>
    <message>
        <source>%1 are not cap numbers</source>
        <translation>%1 no son números de ficha</translation>
    </message>
</context>
<context>
    <name>analysisDisplay</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Discrimination:</source>
        <translation>Discriminación:</translation>
    </message>
</context>
<context>
    <name>chartGraphicsView</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Error Scores</source>
        <translation>Puntuaciones de error</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>The database file could not be opened</source>
        <translation>No se pudo abrir el archivo de base de datos</translation>
    </message>
    <message>
        <source>The database tables could not be created</source>
        <translation>No se pudieron crear las tablas de la base de datos</translation>
    </message>
    <message>
        <source>The settings could not be stored</source>
        <translation>No se pudo guardar la configuración</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>No se pudo leer la configuración</translation>
    </message>
    <message>
        <source>The subject could not be stored</source>
        <translation>No se pudo guardar el sujeto</translation>
    </message>
    <message>
        <source>The test could not be stored</source>
        <translation>No se pudo guardar la prueba</translation>
    </message>
    <message>
        <source>The subject could not be updated</source>
        <translation>No se pudo actualizar el sujeto</translation>
    </message>
    <message>
        <source>no stored subject matched</source>
        <translation>ningún sujeto guardado coincide</translation>
    </message>
    <message>
        <source>The test could not be updated</source>
        <translation>No se pudo actualizar la prueba</translation>
    </message>
    <message>
        <source>no stored test matched</source>
        <translation>ninguna prueba guardada coincide</translation>
    </message>
    <message>
        <source>The test could not be deleted</source>
        <translation>No se pudo eliminar la prueba</translation>
    </message>
    <message>
        <source>The subject could not be deleted</source>
        <translation>No se pudo eliminar el sujeto</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>The database could not be saved</source>
        <translation>No se pudo guardar la base de datos</translation>
    </message>
    <message>
        <source>it cannot be copied onto itself</source>
        <translation>no se puede copiar sobre sí misma</translation>
    </message>
    <message>
        <source>The database could not be read</source>
        <translation>No se pudo leer la base de datos</translation>
    </message>
    <message>
        <source>The cap set could not be stored</source>
        <translation>No se pudo guardar el juego de fichas</translation>
    </message>
    <message>
        <source>The cap set could not be updated</source>
        <translation>No se pudo actualizar el juego de fichas</translation>
    </message>
    <message>
        <source>The cap set could not be removed</source>
        <translation>No se pudo quitar el juego de fichas</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>No se pudo escribir %1</translation>
    </message>
    <message>
        <source>%1 could not be replaced</source>
        <translation>No se pudo reemplazar %1</translation>
    </message>
    <message>
        <source>another program replaced or removed %1 since it was opened</source>
        <translation>otro programa reemplazó o eliminó %1 desde que se abrió</translation>
    </message>
    <message>
        <source>The database file could not be opened: %1</source>
        <translation>No se pudo abrir el archivo de base de datos: %1</translation>
    </message>
    <message>
        <source>%1 is not a readable database (%2)</source>
        <translation>%1 no es una base de datos legible (%2)</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 está siendo usado por otro programa (%2)</translation>
    </message>
    <message>
        <source>%1 is damaged (%2)</source>
        <translation>%1 está dañado (%2)</translation>
    </message>
    <message>
        <source>%1 is not a database of this program: its table %2 has other columns</source>
        <translation>%1 no es una base de datos de este programa: su tabla %2 tiene otras columnas</translation>
    </message>
    <message>
        <source>they could not be read from this file, and what is shown in their place must not replace them</source>
        <translation>no se pudieron leer de este archivo, y lo que se muestra en su lugar no debe reemplazarlos</translation>
    </message>
</context>
<context>
    <name>labelImageDisplay</name>
    <message>
        <source>Select Logo Image</source>
        <translation>Seleccionar imagen del logotipo</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
</context>
<context>
    <name>preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Scoring Mode</source>
        <translation>Método de puntuación</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Kinnear</source>
        <translation>Kinnear</translation>
    </message>
    <message>
        <source>Analysis Options</source>
        <translation>Opciones de análisis</translation>
    </message>
    <message>
        <source>In App</source>
        <translation>En la aplicación</translation>
    </message>
    <message>
        <source>On Report</source>
        <translation>En el informe</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Duración de la prueba</translation>
    </message>
    <message>
        <source>Total Error Score (TES)</source>
        <translation>Puntuación de error total (TES)</translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES)</source>
        <translation>Raíz cuadrada de la puntuación de error total (TES)</translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Análisis de Vingrys</translation>
    </message>
    <message>
        <source>Classification</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Percentage (First Time)</source>
        <translation>Percentil (primera vez)</translation>
    </message>
    <message>
        <source>Percentage (Some Experience)</source>
        <translation>Percentil (algo de experiencia)</translation>
    </message>
    <message>
        <source>Percentage (Experienced)</source>
        <translation>Percentil (con experiencia)</translation>
    </message>
    <message>
        <source>User Interface Options</source>
        <translation>Opciones de la interfaz</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Customized Report Footer</source>
        <translation>Pie de página personalizado del informe</translation>
    </message>
    <message>
        <source>New Record Defaults</source>
        <translation>Valores predeterminados de los registros nuevos</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Iluminante</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Función laboral</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Experiencia</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Cap Sets</source>
        <translation>Juegos de fichas</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Fecha de compra</translation>
    </message>
    <message>
        <source>Add a cap set</source>
        <translation>Añadir un juego de fichas</translation>
    </message>
    <message>
        <source>Edit the selected cap set</source>
        <translation>Editar el juego de fichas seleccionado</translation>
    </message>
    <message>
        <source>Remove the selected cap set</source>
        <translation>Quitar el juego de fichas seleccionado</translation>
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
        <translation>Otro</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>América del Norte</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>América del Sur</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>América Central</translation>
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
        <translation>África</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Académico</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimentación</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Mobiliario</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Administración pública</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Sanidad</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Envases y embalajes</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Pinturas</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>Fabricante de pigmentos/colorantes</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Plásticos</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprenta</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automoción</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Rotulación</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Tintes para madera</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Textil - Diseño</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Textil - Fabricación</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Construcción</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Bienes de consumo</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Cosmética</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Diseño - Arquitectura/Interiores</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Diseño - Gráfico</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Diseño - Industrial</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Diseño - Producto</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Control de calidad</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Formulación del color</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Especificación del color</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Creatividad</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 años</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 años</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 años</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 años</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>20 años o más</translation>
    </message>
</context>
<context>
    <name>serialNumDialog</name>
    <message>
        <source>Add New Cap Set</source>
        <translation>Añadir un nuevo juego de fichas</translation>
    </message>
    <message>
        <source>Enter cap-set serial number and purchase date. Test results more than two years past purchase date are not certified and damaged, soiled or faded cap sets should be replaced.</source>
        <translation>Introduzca el número de serie y la fecha de compra del juego de fichas. Los resultados obtenidos más de dos años después de la fecha de compra no están certificados, y los juegos de fichas dañados, sucios o descoloridos deben sustituirse.</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Fecha de compra</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/DD/AAAA</translation>
    </message>
</context>
</TS>
