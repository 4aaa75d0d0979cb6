<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation>&lt;b&gt;ERRO NFC!&lt;/b&gt;&lt;br&gt;Deteção automática de tabuleiros desativada!</translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation>Conector de ID inválido!
%1</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezembro</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Ter</translation>
    </message>
    <message>
        <source>We</source>
        <translation>Qua</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sáb</translation>
    </message>
</context>
<context>
    <name>CleaningOptionsPanel</name>
    <message>
        <source>Cannot start clean mode with active timer</source>
        <translation>Limpeza impossível com temporizador ativo</translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation>Sair do modo de limpeza?</translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation>Pode limpar</translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation>A arrefecer</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation>Selecionar ecrã</translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation>Ecrã PRINCIPAL</translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation>Ecrã SECUNDÁRIO</translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation>Ecrã ESPELHO</translation>
    </message>
    <message>
        <source>Single display</source>
        <translation>Ecrã único</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>N.º de série</translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Armário de reserva n.º %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Armário de serviço n.º %1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>Nome não definido</translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation>Nenhuma configuração encontrada</translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation>Selecionar conjunto de configuração</translation>
    </message>
</context>
<context>
    <name>DayPartEditAssignItem</name>
    <message>
        <source>Vented</source>
        <translation>Ventilada</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Fechada</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>id:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Tempo de manutenção:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Tempo de aviso:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. manutenção</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Temperatura superior</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. do produto</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Temperatura inferior</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Ventilador:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Tempo de reposição:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Tipo de tampa:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Tipo de fundo:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Divisão de zona:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Itens:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Cor:</translation>
    </message>
</context>
<context>
    <name>DayPartEditPanel</name>
    <message>
        <source>Breakfast</source>
        <translation>Pequeno-almoço</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Almoço/jantar</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Períodos do dia</translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation>Info. da plataforma</translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation>Todos os temporizadores cancelados!</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilitários</translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation>Modo demo ativado</translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation>Ativar capturas de ecrã</translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation>Edição de produtos</translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation>DEZ RIOT ativado</translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation>Piscar ao descartar</translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation>Inverter na vertical</translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation>Alimentação: </translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Teste de som</translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation>Teste do ecrã</translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation>Cancelar toda a manutenção</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Personalizar interface</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Importar/exportar ficheiros</translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation>TESTE DE ACESSÓRIOS RFID</translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation>TESTE DE RESISTÊNCIAS</translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation>Kernel:</translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation>Capturas de ecrã exportadas para a pen!</translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation>Sem capturas de ecrã para exportar!</translation>
    </message>
    <message>
        <source>Wi-Fi Monitor</source>
        <translation>Monitor Wi-Fi</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Apagar todos os registos de erros</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Continuar ou cancelar</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Registo de erros</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/hora</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Nome do erro</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>N.º de registos: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Primeiro registo: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Último registo: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Apagar tudo</translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation>Importar / exportar ficheiros</translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation>Insira uma pen USB</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Exportar ficheiros de menu</translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation>Importar ficheiros de menu</translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation>Exportar capturas de ecrã</translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation>Exportar registo de erros</translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation>Exportar registo de manutenção</translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation>Exportar registos Wi-Fi</translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation>Exportar registo do kernel</translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation>Exportar registos IoT</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Registo de manutenção exportado!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Falha ao exportar o registo de manutenção!</translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation>Capturas de ecrã exportadas!</translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation>Sem capturas de ecrã para exportar.</translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation>Nenhum produto adicionado ao grupo!</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>O grupo tem um nome inválido!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Cancelar?</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. do produto</translation>
    </message>
    <message>
        <source>Upper temperature:</source>
        <translation>Temperatura superior:</translation>
    </message>
    <message>
        <source>Lower temperature:</source>
        <translation>Temperatura inferior:</translation>
    </message>
    <message>
        <source>Lid Type:</source>
        <translation>Tipo de tampa:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Divisão de zona:</translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation>Ventilador:</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Registo de manutenção</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Nome do produto</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>N.º da prateleira</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Descartado</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Duração da manutenção</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>N.º de registos: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar tudo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>HeaterZoneGrid</name>
    <message>
        <source>Invalid fan speed.&lt;br&gt;0 ≤ speed ≥ 100</source>
        <translation>Velocidade do ventilador inválida.&lt;br&gt;0 ≤ velocidade ≥ 100</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>Zona </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESL.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>LIG.</translation>
    </message>
    <message>
        <source>+++</source>
        <translation>+++</translation>
    </message>
</context>
<context>
    <name>HeatersDiagnosticsItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation>Teste de temperatura desativado
durante a manutenção.</translation>
    </message>
    <message>
        <source>V: </source>
        <translation>V: </translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>I: </source>
        <translation>I: </translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>F: </source>
        <translation>F: </translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Tests cancelled. Active timers.</source>
        <translation>Testes cancelados. Temporizadores ativos.</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnóstico de zonas</translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Temp. de controlo:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Cancelar
teste</translation>
    </message>
    <message>
        <source>Service
Test</source>
        <translation>Teste de
serviço</translation>
    </message>
</context>
<context>
    <name>HeatersTestingItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation>Teste de temperatura desativado
durante a manutenção.</translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation>Teste de resistências</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Cancelar
teste</translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation>Teste de
resistências</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation>Etiquetas fora das posições</translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation>N.º etiqueta</translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation>N.º posição</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produto</translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation>Anular registo da etiqueta</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Importação Tavolen indisponível&lt;br&gt;com temporizadores ativos!</translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Perda de comunicação com a E/S principal.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Tempo esgotado na configuração da E/S principal.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Erro na configuração da E/S principal.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Sensor de temperatura \3 em curto-circuito.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Sensor de temperatura \3 em circuito aberto.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Resistência \3: temperatura baixa.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Resistência \3: temperatura alta.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Erro de referência do sensor de temperatura \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Erro da junção fria \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Erro de sobreaquecimento do sistema.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Sobreaquecimento da resistência \3.</translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation>Erro ZX do monitor de energia.</translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation>Erro de comunicação do monitor de energia.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zona \3 desativada. Temperatura demasiado baixa.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zona \3 desativada. Temperatura demasiado alta.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Perda de comunicação com o ecrã secundário.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Perda de comunicação com o ecrã principal.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Perda de comunicação com a placa E/S \3.</translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation>Reinício inesperado do ecrã detetado.</translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation>Tensão do barramento de comunicação não detetada.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Perda de comunicação com a placa NFC \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Ligação recusada. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>O anfitrião remoto fechou a ligação. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Anfitrião não encontrado. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Erro de acesso ao socket. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Erro de recursos do socket. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Tempo esgotado no socket.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagrama demasiado grande. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Erro de rede. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Endereço já em uso. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Endereço do socket indisponível. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Operação de socket não suportada. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>O proxy exige autenticação. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Falha no handshake SSL. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Operação de socket inacabada. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>O proxy recusou a ligação. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>O proxy fechou a ligação. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Tempo esgotado na ligação ao proxy. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy não encontrado. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Erro de protocolo do proxy. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Erro de operação. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Erro interno de SSL. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Dados de utilizador SSL inválidos. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Erro temporário. \3</translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation>Erro do SDK RIOT.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Gestor de eventos não definido.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Nome de domínio não definido.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Ficheiro da CA raiz vazio.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Falta o nome do fabricante.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Falta o número do modelo.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Falta o número de série.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Falta o descritor do dispositivo.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Falta o número do local.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>O número de série não é alfanumérico.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Formato do descritor do dispositivo incorreto.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Falta o ID de software do dispositivo.</translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation>Falha ao inicializar o RIoT.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Falha ao publicar: tópico não autorizado.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Falha ao subscrever: tópico não autorizado.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>ID e chave secreta do cliente expirados ou revogados.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Token de atualização expirado ou revogado.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Erro inesperado não classificado.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Erro geral de TCP/IP.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Erro ao ligar ao socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Erro ao ler do socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Erro ao escrever no socket TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Erro geral de HTTP.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Erro no HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Erro no HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>Falha na ligação MQTT: erro no nome de anfitrião SSL.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>A soma de verificação do ficheiro transferido não corresponde à indicada.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Não é possível validar a assinatura da soma de verificação.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>O identificador de chave (kid) não referencia nenhuma chave.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Falha ao publicar ou subscrever: pedido de ping falhou.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Falha na inicialização do dispositivo.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Tentativa de ligação MQTT com uma ligação já ativa.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>Falha ao publicar/subscrever MQTT: desligado ou sem ligação.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Erro MQTT desconhecido.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erro desconhecido.</translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Estado do aprovisionamento:&lt;/b&gt; não aprovisionado</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Estado do aprovisionamento:&lt;/b&gt; a aprovisionar</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Estado do certificado:&lt;/b&gt; tempo esgotado, a tentar de novo...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Estado do certificado:&lt;/b&gt; pedido</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Estado do certificado:&lt;/b&gt; recebido</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Estado do certificado:&lt;/b&gt; tempo de pedido esgotado</translation>
    </message>
</context>
<context>
    <name>LanguagesPanel</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>MasterIoManager</name>
    <message>
        <source>I/O Configuration set timed out</source>
        <translation>Tempo esgotado na configuração de E/S</translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation>Erro na configuração de E/S</translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation>Erro de comunicação do monitor de energia</translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation>Erro ZX do monitor de energia</translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation>Temperaturas brutas e etiquetas NFC</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation>A comunicar com o ecrã secundário</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Erro do sistema&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Perda de comunicação com o ecrã secundário.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Perda de comunicação com o ecrã principal.</translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation>A verificar importação Tavolen</translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation>A carregar período predefinido</translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation>A verificar restauro da manutenção</translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation>A aguardar o ecrã principal.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation>&lt;b&gt;Erro do sistema&lt;/b&gt;&lt;br&gt;Ecrã secundário NÃO ENCONTRADO!</translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation>Exportação Tavolen</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Exportar ficheiros de menu</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Verifique a pen USB</translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation>Atualização &lt;b&gt;Tavolen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Nenhum ficheiro Tavolen encontrado!</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation>Silenciar alarme</translation>
    </message>
</context>
<context>
    <name>NameFieldMultilingual</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsItem</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiadas tentativas falhadas.
Contacte a assistência.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Repor a rede predefinida?</translation>
    </message>
    <message>
        <source>Network reset is complete.&lt;br&gt;Reboot the unit</source>
        <translation>Rede reposta.&lt;br&gt;Reinicie a unidade</translation>
    </message>
    <message>
        <source>Network Reset</source>
        <translation>Repor rede</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</source>
        <translation>&lt;b&gt;Estado do aprovisionamento:&lt;/b&gt; ligado em permanência</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</source>
        <translation>&lt;b&gt;Estado do aprovisionamento:&lt;/b&gt; desligado da ligação permanente</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Rede Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Máscara de rede</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Estado do certificado:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Estado do aprovisionamento:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation>Valor de tempo inválido</translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation>&lt;b&gt;Ecrã não configurado&lt;/b&gt;&lt;br&gt;Selecione a configuração desta unidade.</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Selecionar configuração</translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>O produto será removido da lista&lt;br&gt;de produtos do(s) grupo(s)</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. manutenção</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Temperatura superior</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. do produto</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Temperatura inferior</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Tempo de manutenção</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Alerta cozinhar mais</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Tempo de reposição</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Ventilador</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Divisão de zona:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Tipo de tampa:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Fechada</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Ventilada</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Tipo de fundo:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Cor:</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Tempo de manutenção inválido!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Tempo de aviso inválido!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Nome de produto inválido!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Tempo de reposição inválido!</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Temperatura de manutenção inválida!</translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation>Velocidade do ventilador inválida!</translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation>Escolha o temporizador a transferir:</translation>
    </message>
</context>
<context>
    <name>ProductsListPanel</name>
    <message>
        <source>Vented</source>
        <translation>Ventilada</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Fechada</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Eliminar grupo</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Eliminar produto</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Os grupos vazios são eliminados</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Guardar alterações?</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Edição de produtos indisponível&lt;br&gt;com temporizadores ativos!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiadas tentativas falhadas.
Contacte a assistência.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Edição de produtos cancelada&lt;br&gt;por haver temporizadores ativos.</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>id:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. manutenção</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Temperatura superior</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. do produto</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Temperatura inferior</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Tempo de manutenção:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Tempo de aviso:</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Ventilador:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Tempo de reposição:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Tipo de tampa:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Tipo de fundo:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Divisão de zona:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Itens:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Cor:</translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation>Limite de produtos/grupos atingido. Não é possível adicionar mais!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Remover as atribuições de períodos às posições?</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>O produto será removido das atribuições&lt;br&gt;de períodos do dia</translation>
    </message>
    <message>
        <source>Touch a position to choose its product. Touch and hold to clear positions.</source>
        <translation>Toque numa posição para escolher o produto. Toque sem soltar para limpar posições.</translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation>&lt;b&gt;Repor a configuração da unidade?&lt;/b&gt;&lt;br&gt;A unidade terá de ser reiniciada.</translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation>Teste de acessórios RFID</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Universal Tag</source>
        <translation>Etiqueta universal</translation>
    </message>
</context>
<context>
    <name>SelectTargetModelGroup</name>
    <message>
        <source>Select Model</source>
        <translation>Selecionar modelo</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation>N.º de série</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>N.º do modelo</translation>
    </message>
    <message>
        <source>Store #</source>
        <translation>N.º da loja</translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation>Teste de resistências indisponível&lt;br&gt;com temporizadores ativos!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiadas tentativas falhadas.
Contacte a assistência.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Todos os painéis de serviço desbloqueados!</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>O PIN do gerente foi reposto.</translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation>Testes de som e ecrã</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Personalizar interface</translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Ficheiro Tavolen importado: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Versão de ficheiro não suportada: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Falha ao importar ficheiro Tavolen: </translation>
    </message>
    <message>
        <source>Tavolen Import</source>
        <translation>Importação Tavolen</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Nenhum ficheiro Tavolen encontrado!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
</context>
<context>
    <name>TrayBar</name>
    <message>
        <source>Product Mismatch</source>
        <translation>Produto errado</translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation>Menu diferente</translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation>Definição de produto inválida</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Repor?</translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation>DESCARTAR!</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Em espera</translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation>Personalizar interface</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation>Alterações pendentes. Aceite ou cancele antes de bloquear.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiadas tentativas falhadas.
Contacte a assistência.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation>Todos os painéis de atualização desbloqueados!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>O PIN do gerente foi reposto.</translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Ficheiro Tavolen importado: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Versão de ficheiro não suportada: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Falha ao importar ficheiro Tavolen: </translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation>Ficheiro Tavolen exportado: </translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation>Falha ao exportar ficheiro Tavolen!</translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>WifiApSelectDialog</name>
    <message>
        <source>Wifi SSIDs</source>
        <translation>Redes Wi-Fi</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>MacAddr</source>
        <translation>End. MAC</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Sinal</translation>
    </message>
    <message>
        <source>Freq(GHz)</source>
        <translation>Freq. (GHz)</translation>
    </message>
</context>
<context>
    <name>WifiMonitorPanel</name>
    <message>
        <source>Drag across the chart to read a check</source>
        <translation>Arraste no gráfico para ler uma medição</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>ligado</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>desligado</translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation>Monitor Wi-Fi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>Qualidade da ligação</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Nível do sinal</translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation>Gravação auto.</translation>
    </message>
    <message>
        <source>No save</source>
        <translation>Sem gravação</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>medições</translation>
    </message>
</context>
<context>
    <name>WifiSettingsDialog</name>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>procurar</translation>
    </message>
    <message>
        <source>WPA Enabled</source>
        <translation>WPA ativado</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identidade</translation>
    </message>
</context>
<context>
    <name>ZoneAdvancedOptionsPanel</name>
    <message>
        <source>Exit Row Management?</source>
        <translation>Sair da gestão de filas?</translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation>Erro de zona: erro do sensor de temperatura</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Perda de comunicação com o ecrã principal.</translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation>Comunicação com a placa E/S principal perdida.</translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation>Perda de comunicação com a placa E/S.</translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation>Erro de zona: temp. B demasiado alta</translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation>Erro de zona: temp. B demasiado baixa.</translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation>Erro de zona: temperatura demasiado alta</translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation>Erro de zona: temperatura demasiado baixa.</translation>
    </message>
</context>
<context>
    <name>ZoneOptionsView</name>
    <message>
        <source>Eco Mode</source>
        <translation>Modo Eco</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESL.</translation>
    </message>
</context>
<context>
    <name>ZoneView</name>
    <message>
        <source>Cannot start timers until preheat is complete</source>
        <translation>Temporizadores só após o pré-aquecimento</translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation>Modo Eco</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESL.</translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation>Sair do modo Eco?</translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation>Ligar?</translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation>Entrar no modo Eco?</translation>
    </message>
</context>
<context>
    <name>heaterDiagnostics</name>
    <message>
        <source>L: </source>
        <comment>left side</comment>
        <translation>E: </translation>
    </message>
    <message>
        <source>R: </source>
        <comment>right side</comment>
        <translation>D: </translation>
    </message>
    <message>
        <source>U: </source>
        <comment>upper side</comment>
        <translation>S: </translation>
    </message>
    <message>
        <source>L: </source>
        <comment>lower side</comment>
        <translation>I: </translation>
    </message>
    <message>
        <source>F: </source>
        <comment>front side</comment>
        <translation>F: </translation>
    </message>
    <message>
        <source>B: </source>
        <comment>back side</comment>
        <translation>T: </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Save selected configuration?</source>
        <translation>Guardar a configuração escolhida?</translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation>Reinicie a unidade</translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation>Seleção de configuração inválida</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation>&lt;b&gt;Erro do sistema&lt;/b&gt;&lt;br&gt;Sobreaquecimento do sistema! Procure uma fonte de calor nas proximidades.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation>&lt;b&gt;Erro do sistema&lt;/b&gt;&lt;br&gt;Sobreaquecimento da resistência! Desligue o armário.</translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation>Falha de energia</translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation>Manter temporizadores</translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation>Apagar temporizadores</translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation>Atualização do firmware em curso...</translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation>Atualização do menu em curso...</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Cópia de segurança em curso.&lt;br&gt;NÃO retire o USB nem desligue a unidade</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>A copiar ficheiros de atualização...&lt;br&gt;NÃO retire o USB nem desligue a unidade</translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation>&lt;b&gt;A aguardar confirmação&lt;br&gt;do restauro da manutenção&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation>Teste de resistências iniciado</translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation>&lt;b&gt;ERRO DO ECRÃ!&lt;/b&gt;&lt;br&gt;Reinício inesperado do ecrã detetado!</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation>&lt;b&gt;Erro do sistema!&lt;/b&gt;&lt;br&gt;Tensão do barramento não detetada!&lt;br&gt;Verifique o cabo ecrã–E/S</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Erro do sistema:&lt;/b&gt;&lt;br&gt;Ligação Modbus interrompida.</translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation>Detetados dois ecrãs tácteis PRINCIPAIS. Altere a configuração do ecrã SECUNDÁRIO.</translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation>Detetados dois ecrãs tácteis SECUNDÁRIOS. Altere a configuração do ecrã PRINCIPAL.</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>Erro do sistema</translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Unidade configurada com sucesso.&lt;br&gt;Reinicie a unidade.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configuração da unidade reposta.&lt;br&gt;Reinicie a unidade.</translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation>Entrar no modo de limpeza?</translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation>Limpar o ecrã agora?</translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;Deteção de endereços EOL iniciada&lt;/b&gt;</translation>
    </message>
</context>
</TS>
