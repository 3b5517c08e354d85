<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>AnalysisFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>User Analysis Info</source>
        <translation>Informações da análise do examinado</translation>
    </message>
    <message>
        <source>Total Error Score (TES): </source>
        <translation>Pontuação total de erro (TES): </translation>
    </message>
    <message>
        <source>Classification: </source>
        <translation>Classificação: </translation>
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
        <translation>Mostrar eixo de confusão</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Graph Scaling - Number of Steps</source>
        <translation>Escala do gráfico - Número de divisões</translation>
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
        <translation>Valor atual</translation>
    </message>
    <message>
        <source>Graph Mode</source>
        <translation>Modo do gráfico</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Suavizar</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Subject: </source>
        <translation>Examinado: </translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Análise de Vingrys</translation>
    </message>
    <message>
        <source>Angle: </source>
        <translation>Ângulo: </translation>
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
        <translation>Examinado: resultados médios</translation>
    </message>
    <message>
        <source>Total Error Score (totalScores): </source>
        <translation>Pontuação total de erro (TES): </translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES): </source>
        <translation>Raiz quadrada da pontuação total de erro (√TES): </translation>
    </message>
    <message>
        <source>Percentile</source>
        <translation>Percentil</translation>
    </message>
    <message>
        <source>Unselected </source>
        <translation>Primeira vez </translation>
    </message>
    <message>
        <source>In Plant: </source>
        <translation>Alguma experiência: </translation>
    </message>
    <message>
        <source>Experienced: </source>
        <translation>Experientes: </translation>
    </message>
    <message>
        <source>Reference: </source>
        <translation>Referência: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>Data de nascimento: </translation>
    </message>
    <message>
        <source>Date of Test: </source>
        <translation>Data do teste: </translation>
    </message>
    <message>
        <source>Comments: </source>
        <translation>Observações: </translation>
    </message>
    <message>
        <source>Test Duration: </source>
        <translation>Duração do teste: </translation>
    </message>
    <message>
        <source>Unselected: </source>
        <translation>Primeira vez: </translation>
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
        <translation>Região geográfica: </translation>
    </message>
    <message>
        <source>Industry Type: </source>
        <translation>Setor de atividade: </translation>
    </message>
    <message>
        <source>Primary Job Function: </source>
        <translation>Função principal: </translation>
    </message>
    <message>
        <source>Years of Experience: </source>
        <translation>Anos de experiência: </translation>
    </message>
    <message>
        <source>Illumination Type: </source>
        <translation>Tipo de iluminação: </translation>
    </message>
    <message>
        <source>Square Root Total Error Score: </source>
        <translation>Raiz quadrada da pontuação total de erro: </translation>
    </message>
    <message>
        <source>Test Serial Number: </source>
        <translation>Número de série do kit: </translation>
    </message>
    <message>
        <source>Cap Order: </source>
        <translation>Ordem das pastilhas: </translation>
    </message>
    <message>
        <source>Veskora results not certified (No Serial Number)</source>
        <translation>Resultados Veskora não certificados (sem número de série)</translation>
    </message>
    <message>
        <source>Certified.</source>
        <translation>Certificado.</translation>
    </message>
    <message>
        <source>Veskora results not certified (The cap set is more than two years old).</source>
        <translation>Resultados Veskora não certificados (o conjunto de pastilhas tem mais de dois anos).</translation>
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
        <translation>Discriminação cromática superior</translation>
    </message>
    <message>
        <source>Average Discrimination</source>
        <translation>Discriminação cromática média</translation>
    </message>
    <message>
        <source>Low Discrimination</source>
        <translation>Discriminação cromática baixa</translation>
    </message>
    <message>
        <source>Superior</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixa</translation>
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
        <translation>Deficiência de tipo indefinido</translation>
    </message>
</context>
<context>
    <name>CapNumbersDialog</name>
    <message>
        <source>Type Cap Numbers</source>
        <translation>Digitar os números das pastilhas</translation>
    </message>
    <message>
        <source>Type the numbers of each tray&apos;s caps from left to right, separated by blanks or commas. Enter moves to the next tray; a whole cap order pasted into the first line fills all four.</source>
        <translation>Digite os números das pastilhas de cada bandeja da esquerda para a direita, separados por espaços ou vírgulas. Enter passa para a bandeja seguinte; uma ordem completa colada na primeira linha preenche as quatro.</translation>
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
        <translation>Pontuação de erro total (TES): %1</translation>
    </message>
    <message>
        <source>Total Error Score (TES): shown when all four trays are complete</source>
        <translation>Pontuação de erro total (TES): mostrada quando as quatro bandejas estiverem completas</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Não foi possível gravar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Não foi possível ler o arquivo %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) could not be read as a test and were not imported; the first is line %1.</source>
        <translation>
            <numerusform>%n linha não pôde ser lida como teste e não foi importada; é a linha %1.</numerusform>
            <numerusform>%n linhas não puderam ser lidas como testes e não foram importadas; a primeira é a linha %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Nada foi importado: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: line %1 could not be stored: %2</source>
        <translation>Nada foi importado: a linha %1 não pôde ser gravada: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>DOB</source>
        <translation>Data de nasc.</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Experiência</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Nome do meio</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Iluminação</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Setor</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Número de referência</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>Data do teste</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Contém</translation>
    </message>
    <message>
        <source>Is Exactly</source>
        <translation>É exatamente</translation>
    </message>
    <message>
        <source>Begins With</source>
        <translation>Começa com</translation>
    </message>
    <message>
        <source>Ends With</source>
        <translation>Termina com</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>Inserir...</translation>
    </message>
    <message>
        <source>Clear Search</source>
        <translation>Limpar pesquisa</translation>
    </message>
    <message>
        <source>Select Test</source>
        <translation>Selecionar teste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>TES</source>
        <translation>TES</translation>
    </message>
    <message>
        <source>The search could not be run: %1</source>
        <translation>Não foi possível realizar a pesquisa: %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n test(s)? This cannot be undone.</source>
        <translation>
            <numerusform>Excluir %n teste? Esta ação não pode ser desfeita.</numerusform>
            <numerusform>Excluir %n testes? Esta ação não pode ser desfeita.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tests could not be deleted: %1</source>
        <translation>Não foi possível excluir os testes: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) deleted.</source>
        <translation>
            <numerusform>%n teste excluído.</numerusform>
            <numerusform>%n testes excluídos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HueSwatchLineWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>HueTestFormWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source> User Information</source>
        <translation> Dados do examinado</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Nome do meio</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>Inserir...</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Número de referência</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Experiência</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Setor</translation>
    </message>
    <message>
        <source>Test Information</source>
        <translation>Dados do teste</translation>
    </message>
    <message>
        <source>Test Date</source>
        <translation>Data do teste</translation>
    </message>
    <message>
        <source>Time (mins)</source>
        <translation>Tempo (min)</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Iluminação</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>Reset Test</source>
        <translation>Reiniciar teste</translation>
    </message>
    <message>
        <source>Show Scores</source>
        <translation>Mostrar pontuações</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
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
        <translation>Outro</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>América do Norte</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>América do Sul</translation>
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
        <translation>Ásia</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>África</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Austrália</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Acadêmico</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimentos</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Mobiliário</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Governo</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Saúde</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Embalagens</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Tintas</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>Fabricante de pigmentos/corantes</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Plásticos</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Artes gráficas</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automóveis</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Impressão de sinalização</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Tingidores</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Têxtil - Criação</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Têxtil - Fabricação</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Construção</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Bens de consumo</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Cosméticos</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Design - Arquitetura/Interiores</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Design - Gráfico</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Design - Industrial</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Design - Produto</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Controle de qualidade</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Formulação de cores</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Especificação de cores</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Criação</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 anos</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 anos</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 anos</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 anos</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>Mais de 20 anos</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Please enter a date of birth and first and last names.</source>
        <translation>Insira a data de nascimento, o nome e o sobrenome.</translation>
    </message>
    <message>
        <source>The test could not be saved.</source>
        <translation>Não foi possível salvar o teste.</translation>
    </message>
    <message>
        <source>The test could not be updated.</source>
        <translation>Não foi possível atualizar o teste.</translation>
    </message>
    <message>
        <source>The stored arrangement was incomplete: the missing caps follow in ascending order. Update to store the whole arrangement.</source>
        <translation>A disposição guardada estava incompleta: as pastilhas em falta seguem em ordem crescente. Atualize para guardar a disposição completa.</translation>
    </message>
    <message>
        <source>Type Cap Numbers…</source>
        <translation>Digitar números…</translation>
    </message>
    <message>
        <source>Move Cap</source>
        <translation>Mover pastilha</translation>
    </message>
    <message>
        <source>Type Cap Numbers</source>
        <translation>Digitar os números das pastilhas</translation>
    </message>
</context>
<context>
    <name>LegacyImport</name>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Não foi possível ler o arquivo %1.</translation>
    </message>
    <message>
        <source>The database could not be written: %1</source>
        <translation>Não foi possível gravar no banco de dados: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Nada foi importado: %1</translation>
    </message>
    <message>
        <source>The file %1 holds no test record that could be read; nothing was imported.</source>
        <translation>O arquivo %1 não contém nenhum registro de teste legível; nada foi importado.</translation>
    </message>
</context>
<context>
    <name>LogoImage</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 não é um arquivo.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 tem mais de %2 MB.</translation>
    </message>
    <message>
        <source>%1 is not an image that can be read (%2).</source>
        <translation>%1 não é uma imagem legível (%2).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Veskora Scoring Software</source>
        <translation>Software de pontuação Veskora</translation>
    </message>
    <message>
        <source>New Hue Test</source>
        <translation>Novo teste de matiz</translation>
    </message>
    <message>
        <source>View/Arrange</source>
        <translation>Ver/Ordenar</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Banco de dados</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
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
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>VK100 Database Version 1 (HDB)</source>
        <translation>Banco de dados VK100 versão 1 (HDB)</translation>
    </message>
    <message>
        <source>VK100 Database Version 2 (VKT)</source>
        <translation>Banco de dados VK100 versão 2 (VKT)</translation>
    </message>
    <message>
        <source>Comma Separated Values (CSV)</source>
        <translation>Valores separados por vírgula (CSV)</translation>
    </message>
    <message>
        <source>Selected Records as PDF</source>
        <translation>Testes selecionados em PDF</translation>
    </message>
    <message>
        <source>Selected Records as CSV</source>
        <translation>Testes selecionados em CSV</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Configurar página</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Copy Name and Analysis</source>
        <translation>Copiar nome e análise</translation>
    </message>
    <message>
        <source>Copy Graph</source>
        <translation>Copiar gráfico</translation>
    </message>
    <message>
        <source>Data Entry Screen</source>
        <translation>Entrada de dados</translation>
    </message>
    <message>
        <source>Polar Graph</source>
        <translation>Gráfico polar</translation>
    </message>
    <message>
        <source>Linear Graph</source>
        <translation>Gráfico linear</translation>
    </message>
    <message>
        <source>About Application</source>
        <translation>Sobre o programa</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Sobre o Qt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>New Database</source>
        <translation>Novo banco de dados</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Abrir banco de dados</translation>
    </message>
    <message>
        <source>Save Database As</source>
        <translation>Salvar banco de dados como</translation>
    </message>
    <message>
        <source>Veskora Test Scoring Software</source>
        <translation>Software de pontuação de testes Veskora</translation>
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
        <translation>Teste desenvolvido por:
Veskora Colour Science Laboratory
Department of Visual Psychophysics
Software: Veskora Scoring Team</translation>
    </message>
    <message>
        <source>Unspecified</source>
        <translation>Não especificado</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Feminino</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masculino</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>América do Norte</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>América do Sul</translation>
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
        <translation>Ásia</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>África</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Austrália</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Acadêmico</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimentos</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Mobiliário</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Governo</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Saúde</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Embalagens</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Tintas</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Pigment/Colorant Manufacturer</source>
        <translation>Fabricante de pigmentos/corantes</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Plásticos</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Artes gráficas</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automóveis</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Impressão de sinalização</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Tingidores</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Têxtil - Criação</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Têxtil - Fabricação</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Construção</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Bens de consumo</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Cosméticos</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Design - Arquitetura/Interiores</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Design - Gráfico</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Design - Industrial</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Design - Produto</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Controle de qualidade</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Formulação de cores</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Especificação de cores</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Criação</translation>
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
        <translation>0 - 2 anos</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 anos</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 anos</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 anos</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>Mais de 20 anos</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Alterações não salvas</translation>
    </message>
    <message>
        <source>There are unsaved changes.</source>
        <translation>Há alterações não salvas.</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Deseja salvar as alterações?</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Não foi possível iniciar a impressão.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Não foi possível gravar o arquivo %1.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv)</source>
        <translation>Arquivos de texto (*.txt *.csv)</translation>
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
        <translation>Desenvolvido pela Veskora Scoring Team
para examinadores da discriminação cromática.
Versão %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>The test of %1 %2 was updated.</source>
        <translation>O teste de %1 %2 foi atualizado.</translation>
    </message>
    <message>
        <source>The test of %1 %2 was saved.</source>
        <translation>O teste de %1 %2 foi guardado.</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>O relatório foi escrito em %1.</translation>
    </message>
    <message>
        <source>The selected tests were written to %1.</source>
        <translation>Os testes selecionados foram escritos em %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) imported</source>
        <translation>
            <numerusform>%n teste importado</numerusform>
            <numerusform>%n testes importados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cap set(s) added</source>
        <translation>
            <numerusform>%n conjunto de pastilhas adicionado</numerusform>
            <numerusform>%n conjuntos de pastilhas adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) refused</source>
        <translation>
            <numerusform>%n linha recusada</numerusform>
            <numerusform>%n linhas recusadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Pré-visualizar impressão</translation>
    </message>
    <message>
        <source>Writing the reports...</source>
        <translation>Gravando os relatórios...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>A exportação foi cancelada; nada foi gravado.</translation>
    </message>
    <message numerus="yes">
        <source>%n report(s) were written to %1.</source>
        <translation>
            <numerusform>%n relatório foi gravado em %1.</numerusform>
            <numerusform>%n relatórios foram gravados em %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The PDF writer could not be started.</source>
        <translation>Não foi possível iniciar a gravação do PDF.</translation>
    </message>
    <message>
        <source>Footer Logo</source>
        <translation>Logotipo do rodapé</translation>
    </message>
    <message>
        <source>The report was made without its footer logo: %1</source>
        <translation>O relatório foi criado sem o logotipo do rodapé: %1</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>Nada foi importado</translation>
    </message>
    <message>
        <source>The file %1 holds no test; nothing was imported.</source>
        <translation>O arquivo %1 não contém nenhum teste; nada foi importado.</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s) of the file held no readable record</source>
        <translation>
            <numerusform>%n posição do arquivo não continha nenhum registro legível</numerusform>
            <numerusform>%n posições do arquivo não continham nenhum registro legível</numerusform>
        </translation>
    </message>
    <message>
        <source>Database File</source>
        <translation>Arquivo do banco de dados</translation>
    </message>
    <message>
        <source>The database file %1 could not be opened: no test can be read or stored, and the settings shown are not those of the file.</source>
        <translation>Não foi possível abrir o arquivo do banco de dados %1: nenhum teste pode ser lido ou gravado, e as configurações exibidas não são as do arquivo.</translation>
    </message>
    <message>
        <source>Retry when the other program has finished with the file, or open another database file.</source>
        <translation>Tente novamente quando o outro programa terminar de usar o arquivo, ou abra outro arquivo de banco de dados.</translation>
    </message>
    <message>
        <source>Another program replaced or removed the database file %1 while it was open here, so nothing more can be stored in it.</source>
        <translation>Outro programa substituiu ou removeu o arquivo do banco de dados %1 enquanto ele estava aberto aqui; nada mais pode ser gravado nele.</translation>
    </message>
    <message>
        <source>Open the file as it is now?</source>
        <translation>Abrir o arquivo como está agora?</translation>
    </message>
    <message>
        <source>The manual is missing: %1 was not found. Installing the program again puts it back.</source>
        <translation>O manual está ausente: %1 não foi encontrado. Reinstalar o programa o restaura.</translation>
    </message>
    <message>
        <source>The manual %1 could not be shown: no program to open it was found.</source>
        <translation>Não foi possível exibir o manual %1: nenhum programa para abri-lo foi encontrado.</translation>
    </message>
</context>
<context>
    <name>ScoreWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>TrayCheck</name>
    <message>
        <source>missing %1</source>
        <translation>faltam %1</translation>
    </message>
    <message>
        <source>%1 belongs to tray %2</source>
        <translation>%1 pertence à bandeja %2</translation>
    </message>
    <message>
        <source>%1 belong to tray %2</source>
        <translation>%1 pertencem à bandeja %2</translation>
    </message>
    <message>
        <source>%1 typed twice</source>
        <translation>%1 digitado duas vezes</translation>
    </message>
    <message>
        <source>%1 typed more than twice</source>
        <translation>%1 digitado mais de duas vezes</translation>
    </message>
    <message>
        <source>%1 is not a cap number</source>
        <translation>%1 não é um número de pastilha</translation>
    </message>
    <message>
        <source>%1 are not cap numbers</source>
        <translation>%1 não são números de pastilha</translation>
    </message>
</context>
<context>
    <name>analysisDisplay</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Discrimination:</source>
        <translation>Discriminação:</translation>
    </message>
</context>
<context>
    <name>chartGraphicsView</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Error Scores</source>
        <translation>Pontuação de erro</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>The database file could not be opened</source>
        <translation>Não foi possível abrir o arquivo do banco de dados</translation>
    </message>
    <message>
        <source>The database tables could not be created</source>
        <translation>Não foi possível criar as tabelas do banco de dados</translation>
    </message>
    <message>
        <source>The settings could not be stored</source>
        <translation>Não foi possível armazenar as configurações</translation>
    </message>
    <message>
        <source>The settings could not be read</source>
        <translation>Não foi possível ler as configurações</translation>
    </message>
    <message>
        <source>The subject could not be stored</source>
        <translation>Não foi possível armazenar o examinado</translation>
    </message>
    <message>
        <source>The test could not be stored</source>
        <translation>Não foi possível armazenar o teste</translation>
    </message>
    <message>
        <source>The subject could not be updated</source>
        <translation>Não foi possível atualizar o examinado</translation>
    </message>
    <message>
        <source>no stored subject matched</source>
        <translation>nenhum examinado armazenado corresponde</translation>
    </message>
    <message>
        <source>The test could not be updated</source>
        <translation>Não foi possível atualizar o teste</translation>
    </message>
    <message>
        <source>no stored test matched</source>
        <translation>nenhum teste armazenado corresponde</translation>
    </message>
    <message>
        <source>The test could not be deleted</source>
        <translation>Não foi possível excluir o teste</translation>
    </message>
    <message>
        <source>The subject could not be deleted</source>
        <translation>Não foi possível excluir o examinado</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 não existe</translation>
    </message>
    <message>
        <source>The database could not be saved</source>
        <translation>Não foi possível salvar o banco de dados</translation>
    </message>
    <message>
        <source>it cannot be copied onto itself</source>
        <translation>não é possível copiá-lo sobre si mesmo</translation>
    </message>
    <message>
        <source>The database could not be read</source>
        <translation>Não foi possível ler o banco de dados</translation>
    </message>
    <message>
        <source>The cap set could not be stored</source>
        <translation>Não foi possível armazenar o conjunto de pastilhas</translation>
    </message>
    <message>
        <source>The cap set could not be updated</source>
        <translation>Não foi possível atualizar o conjunto de pastilhas</translation>
    </message>
    <message>
        <source>The cap set could not be removed</source>
        <translation>Não foi possível remover o conjunto de pastilhas</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 é uma pasta</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>Não foi possível gravar %1</translation>
    </message>
    <message>
        <source>%1 could not be replaced</source>
        <translation>Não foi possível substituir %1</translation>
    </message>
    <message>
        <source>another program replaced or removed %1 since it was opened</source>
        <translation>outro programa substituiu ou removeu %1 desde que foi aberto</translation>
    </message>
    <message>
        <source>The database file could not be opened: %1</source>
        <translation>Não foi possível abrir o arquivo do banco de dados: %1</translation>
    </message>
    <message>
        <source>%1 is not a readable database (%2)</source>
        <translation>%1 não é um banco de dados legível (%2)</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 está em uso por outro programa (%2)</translation>
    </message>
    <message>
        <source>%1 is damaged (%2)</source>
        <translation>%1 está danificado (%2)</translation>
    </message>
    <message>
        <source>%1 is not a database of this program: its table %2 has other columns</source>
        <translation>%1 não é um banco de dados deste programa: sua tabela %2 tem outras colunas</translation>
    </message>
    <message>
        <source>they could not be read from this file, and what is shown in their place must not replace them</source>
        <translation>não puderam ser lidas deste arquivo, e o que é exibido em seu lugar não deve substituí-las</translation>
    </message>
</context>
<context>
    <name>labelImageDisplay</name>
    <message>
        <source>Select Logo Image</source>
        <translation>Selecionar imagem do logotipo</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
</context>
<context>
    <name>preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Scoring Mode</source>
        <translation>Método de pontuação</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Kinnear</source>
        <translation>Kinnear</translation>
    </message>
    <message>
        <source>Analysis Options</source>
        <translation>Opções de análise</translation>
    </message>
    <message>
        <source>In App</source>
        <translation>No programa</translation>
    </message>
    <message>
        <source>On Report</source>
        <translation>No relatório</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Duração do teste</translation>
    </message>
    <message>
        <source>Total Error Score (TES)</source>
        <translation>Pontuação total de erro (TES)</translation>
    </message>
    <message>
        <source>Sqrt Total Error Score (TES)</source>
        <translation>Raiz quadrada da pontuação total de erro (√TES)</translation>
    </message>
    <message>
        <source>Vingrys Analysis</source>
        <translation>Análise de Vingrys</translation>
    </message>
    <message>
        <source>Classification</source>
        <translation>Classificação</translation>
    </message>
    <message>
        <source>Percentage (First Time)</source>
        <translation>Percentil (primeira vez)</translation>
    </message>
    <message>
        <source>Percentage (Some Experience)</source>
        <translation>Percentil (alguma experiência)</translation>
    </message>
    <message>
        <source>Percentage (Experienced)</source>
        <translation>Percentil (experientes)</translation>
    </message>
    <message>
        <source>User Interface Options</source>
        <translation>Opções da interface</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Customized Report Footer</source>
        <translation>Rodapé personalizado do relatório</translation>
    </message>
    <message>
        <source>New Record Defaults</source>
        <translation>Valores predefinidos para novos testes</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Iluminação</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>Industry</source>
        <translation>Setor</translation>
    </message>
    <message>
        <source>Job Function</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Experiência</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Cap Sets</source>
        <translation>Conjuntos de pastilhas</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Restaurar valores predefinidos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Data de compra</translation>
    </message>
    <message>
        <source>Add a cap set</source>
        <translation>Adicionar conjunto de pastilhas</translation>
    </message>
    <message>
        <source>Edit the selected cap set</source>
        <translation>Editar o conjunto selecionado</translation>
    </message>
    <message>
        <source>Remove the selected cap set</source>
        <translation>Remover o conjunto selecionado</translation>
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
        <translation>Outro</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>América do Norte</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>América do Sul</translation>
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
        <translation>Ásia</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>África</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Austrália</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Acadêmico</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimentos</translation>
    </message>
    <message>
        <source>Furniture</source>
        <translation>Mobiliário</translation>
    </message>
    <message>
        <source>Gov&apos;t</source>
        <translation>Governo</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Saúde</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Embalagens</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Tintas</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Pigment/Colorant manufacturer</source>
        <translation>Fabricante de pigmentos/corantes</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Plásticos</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Artes gráficas</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automóveis</translation>
    </message>
    <message>
        <source>Sign Printer</source>
        <translation>Impressão de sinalização</translation>
    </message>
    <message>
        <source>Stains</source>
        <translation>Tingidores</translation>
    </message>
    <message>
        <source>Textile - Creative</source>
        <translation>Têxtil - Criação</translation>
    </message>
    <message>
        <source>Textile - Manufacturing</source>
        <translation>Têxtil - Fabricação</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Construção</translation>
    </message>
    <message>
        <source>Consumer Products</source>
        <translation>Bens de consumo</translation>
    </message>
    <message>
        <source>Cosmetic</source>
        <translation>Cosméticos</translation>
    </message>
    <message>
        <source>Design - Architectural/Interior</source>
        <translation>Design - Arquitetura/Interiores</translation>
    </message>
    <message>
        <source>Design - Graphic</source>
        <translation>Design - Gráfico</translation>
    </message>
    <message>
        <source>Design - Industrial</source>
        <translation>Design - Industrial</translation>
    </message>
    <message>
        <source>Design - Product</source>
        <translation>Design - Produto</translation>
    </message>
    <message>
        <source>Quality Control</source>
        <translation>Controle de qualidade</translation>
    </message>
    <message>
        <source>Color Formulation</source>
        <translation>Formulação de cores</translation>
    </message>
    <message>
        <source>Color Specification</source>
        <translation>Especificação de cores</translation>
    </message>
    <message>
        <source>Creative</source>
        <translation>Criação</translation>
    </message>
    <message>
        <source>0 - 2 years</source>
        <translation>0 - 2 anos</translation>
    </message>
    <message>
        <source>3 - 5 years</source>
        <translation>3 - 5 anos</translation>
    </message>
    <message>
        <source>6 - 10 years</source>
        <translation>6 - 10 anos</translation>
    </message>
    <message>
        <source>11 - 20 years</source>
        <translation>11 - 20 anos</translation>
    </message>
    <message>
        <source>20 + years</source>
        <translation>Mais de 20 anos</translation>
    </message>
</context>
<context>
    <name>serialNumDialog</name>
    <message>
        <source>Add New Cap Set</source>
        <translation>Adicionar novo conjunto de pastilhas</translation>
    </message>
    <message>
        <source>Enter cap-set serial number and purchase date. Test results more than two years past purchase date are not certified and damaged, soiled or faded cap sets should be replaced.</source>
        <translation>Insira o número de série e a data de compra do conjunto de pastilhas. Resultados de testes realizados mais de dois anos após a data de compra não são certificados; conjuntos danificados, sujos ou desbotados devem ser substituídos.</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Data de compra</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/DD/AAAA</translation>
    </message>
</context>
</TS>
