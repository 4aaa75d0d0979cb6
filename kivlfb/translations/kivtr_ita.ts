<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation>&lt;b&gt;ERRORE NFC!&lt;/b&gt;&lt;br&gt;Rilevamento automatico vaschette disattivato!</translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation>Connettore ID non valido!
%1</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation>Gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dicembre</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Lu</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Ma</translation>
    </message>
    <message>
        <source>We</source>
        <translation>Me</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Gi</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Ve</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sa</translation>
    </message>
</context>
<context>
    <name>CleaningOptionsPanel</name>
    <message>
        <source>Cannot start clean mode with active timer</source>
        <translation>Impossibile avviare la pulizia con un timer attivo</translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation>Uscire dalla modalità pulizia?</translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation>Pronto per la pulizia</translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation>Raffreddamento</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation>Seleziona display</translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation>Display PRIMARIO</translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation>Display SECONDARIO</translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation>Display SPECCHIO</translation>
    </message>
    <message>
        <source>Single display</source>
        <translation>Display singolo</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>N. di serie</translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Armadio di riserva n. %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Armadio di servizio n. %1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>Nome non impostato</translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation>Nessuna configurazione trovata</translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation>Seleziona set di configurazione</translation>
    </message>
</context>
<context>
    <name>DayPartEditAssignItem</name>
    <message>
        <source>Vented</source>
        <translation>Ventilato</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Pieno</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Doppio fondo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Tempo di mantenimento:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Tempo di avviso:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. mantenimento</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Temperatura superiore</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. prodotto</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Temperatura inferiore</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Velocità ventola:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Tempo di reset:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Coperchio:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Divisione:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Elementi:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Colore:</translation>
    </message>
</context>
<context>
    <name>DayPartEditPanel</name>
    <message>
        <source>Breakfast</source>
        <translation>Colazione</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Pranzo/Cena</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Fasce orarie</translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation>Info piattaforma</translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation>Tutti i timer di mantenimento annullati!</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilità</translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation>Modalità demo attiva</translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation>Attiva screenshot</translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation>Modifica prodotti</translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation>DEZ RIOT attivo</translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation>Lampeggio scarto attivo</translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation>Capovolgi verticalmente</translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation>Alimentazione: </translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Test audio</translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation>Test schermo</translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation>Annulla tutto il mantenimento</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Personalizza interfaccia</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Importa/esporta file</translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation>TEST ACCESSORI RFID</translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation>TEST RESISTENZE</translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation>Kernel:</translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation>Screenshot esportati sulla chiavetta USB!</translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation>Nessuno screenshot da esportare!</translation>
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
        <translation>Cancellazione di tutti i registri errori</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Continuare o annullare</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Registro errori</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/ora</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Nome errore</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Numero di record: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Primo record: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Ultimo record: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Cancella tutto</translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation>Importa / esporta file</translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation>Inserire una chiavetta USB</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Esporta file menu</translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation>Importa file menu</translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation>Esporta screenshot</translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation>Esporta registro errori</translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation>Esporta registro mantenimento</translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation>Esporta registri Wi-Fi</translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation>Esporta registro kernel</translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation>Esporta registri IoT</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Registri di mantenimento esportati!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Esportazione registro mantenimento non riuscita!</translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation>Screenshot esportati!</translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation>Nessuno screenshot da esportare.</translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation>Nessun prodotto nel gruppo!</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>Nome gruppo non valido!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Annullare?</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. prodotto</translation>
    </message>
    <message>
        <source>Upper temperature:</source>
        <translation>Temperatura superiore:</translation>
    </message>
    <message>
        <source>Lower temperature:</source>
        <translation>Temperatura inferiore:</translation>
    </message>
    <message>
        <source>Lid Type:</source>
        <translation>Coperchio:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Divisione:</translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation>Velocità ventola:</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Registro mantenimento</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Nome prodotto</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Ripiano</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Scartato</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Durata mantenimento</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Numero di record: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostra tutto</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>HeaterZoneGrid</name>
    <message>
        <source>Invalid fan speed.&lt;br&gt;0 ≤ speed ≥ 100</source>
        <translation>Velocità ventola non valida.&lt;br&gt;0 ≤ velocità ≥ 100</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>Zona </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
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
        <translation>Test temperatura disattivato
durante il mantenimento.</translation>
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
        <translation>Test annullati. Timer attivi.</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnostica zone</translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Temperatura di controllo:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Annulla
test</translation>
    </message>
    <message>
        <source>Service
Test</source>
        <translation>Test di
servizio</translation>
    </message>
</context>
<context>
    <name>HeatersTestingItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation>Test temperatura disattivato
durante il mantenimento.</translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation>Test resistenze</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Annulla
test</translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation>Test
resistenze</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation>Tag non trovati nei vani</translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation>N. tag</translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation>N. vano</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation>Annulla registrazione tag</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Importazione Tavolen non disponibile&lt;br&gt;con timer attivi!</translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Perdita di comunicazione con I/O master.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Timeout config. sistema I/O master.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Errore config. sistema I/O master.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Sensore di temperatura \3 in cortocircuito.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Sensore di temperatura \3 aperto.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Resistenza \3: temperatura bassa.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Resistenza \3: temperatura alta.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Errore di riferimento sensore \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Errore giunto freddo \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Sovratemperatura del sistema.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Resistenza \3: sovratemperatura.</translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation>Errore passaggio per lo zero monitor alimentazione.</translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation>Errore di comunicazione monitor alimentazione.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zona \3 disattivata. Temperatura troppo bassa.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zona \3 disattivata. Temperatura troppo alta.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Perdita di comunicazione con l&apos;interfaccia secondaria.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Perdita di comunicazione con l&apos;interfaccia primaria.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Perdita di comunicazione con la scheda I/O \3.</translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation>Rilevato riavvio imprevisto dell&apos;interfaccia.</translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation>Tensione del bus di comunicazione non rilevata.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Perdita di comunicazione con la scheda NFC \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Connessione rifiutata. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>L&apos;host remoto ha chiuso la connessione. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Host non trovato. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Errore di accesso al socket. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Errore di risorse del socket. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Timeout del socket.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagramma troppo grande. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Errore di rete. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Indirizzo già in uso. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Indirizzo socket non disponibile. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Operazione socket non supportata. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Autenticazione proxy richiesta. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Handshake SSL non riuscito. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Operazione socket non completata. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Connessione al proxy rifiutata. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Connessione al proxy chiusa. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Timeout connessione al proxy. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy non trovato. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Errore di protocollo proxy. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Errore di operazione. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Errore interno SSL. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Dati utente SSL non validi. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Errore temporaneo. \3</translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation>Errore SDK RIOT.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Gestore eventi non impostato.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Nome di dominio non impostato.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>File CA radice mancante.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Nome del produttore mancante.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Numero di modello mancante.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Numero di serie mancante.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Descrittore del dispositivo mancante.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Numero di sede mancante.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Il numero di serie non è alfanumerico.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Formato del descrittore del dispositivo errato.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>ID software del dispositivo mancante.</translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation>Inizializzazione RIoT non riuscita.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Pubblicazione non riuscita: argomento non autorizzato.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Sottoscrizione non riuscita: argomento non autorizzato.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>ID client e chiave segreta scaduti o revocati.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Token di aggiornamento scaduto o revocato.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Errore imprevisto non classificato.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Errore TCP/IP generico.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Errore di connessione al socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Errore di lettura dal socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Errore di scrittura sul socket TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Errore HTTP generico.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Errore in HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Errore in HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>Connessione MQTT non riuscita: errore nome host SSL.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>Il checksum del file scaricato non corrisponde a quello indicato.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Impossibile convalidare la firma del checksum.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>Errore: il kid non fa riferimento a nessuna chiave.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Pubblicazione o sottoscrizione non riuscita: ping non riuscito.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Inizializzazione del dispositivo non riuscita.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Tentativo di connessione MQTT con una connessione già attiva.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>Pubblicazione/sottoscrizione MQTT non riuscita: nessuna connessione.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Errore MQTT sconosciuto.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Errore sconosciuto.</translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Stato provisioning:&lt;/b&gt; Non eseguito</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Stato provisioning:&lt;/b&gt; In corso</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Stato certificato:&lt;/b&gt; Timeout, nuovo tentativo...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Stato certificato:&lt;/b&gt; Certificato richiesto</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Stato certificato:&lt;/b&gt; Certificato ricevuto</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Stato certificato:&lt;/b&gt; Timeout richiesta</translation>
    </message>
</context>
<context>
    <name>LanguagesPanel</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
</context>
<context>
    <name>MasterIoManager</name>
    <message>
        <source>I/O Configuration set timed out</source>
        <translation>Timeout durante la configurazione I/O</translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation>Errore durante la configurazione I/O</translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation>Errore di comunicazione monitor alimentazione</translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation>Errore passaggio per lo zero monitor alimentazione</translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation>Temperature grezze e tag NFC</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation>Comunicazione con l&apos;interfaccia secondaria</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Errore di sistema&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Perdita di comunicazione con l&apos;interfaccia secondaria.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Perdita di comunicazione con l&apos;interfaccia primaria.</translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation>Ricerca importazione Tavolen</translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation>Caricamento fascia oraria predefinita</translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation>Verifica ripristino mantenimento</translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation>In attesa dell&apos;interfaccia primaria.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation>&lt;b&gt;Errore di sistema&lt;/b&gt;&lt;br&gt;Interfaccia secondaria NON TROVATA!</translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation>Esportazione Tavolen</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Esporta file menu</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Controllare la chiavetta USB</translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation>Aggiornamento &lt;b&gt;Tavolen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Nessun file Tavolen trovato!</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation>Silenzia allarme</translation>
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
        <translation>Troppi tentativi falliti.
Chiamare l&apos;assistenza.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Ripristinare la rete predefinita?</translation>
    </message>
    <message>
        <source>Network reset is complete.&lt;br&gt;Reboot the unit</source>
        <translation>Rete ripristinata.&lt;br&gt;Riavviare l&apos;unità</translation>
    </message>
    <message>
        <source>Network Reset</source>
        <translation>Ripristina rete</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</source>
        <translation>&lt;b&gt;Stato provisioning:&lt;/b&gt; Connesso in modo permanente</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</source>
        <translation>&lt;b&gt;Stato provisioning:&lt;/b&gt; Connessione permanente persa</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Rete Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attivo</translation>
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
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Maschera rete</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Stato certificato:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Stato provisioning:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation>Orario non valido</translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation>&lt;b&gt;Display non configurato&lt;/b&gt;&lt;br&gt;Selezionare la configurazione di questa unità.</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Seleziona configurazione</translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Il prodotto sarà rimosso dall&apos;elenco&lt;br&gt;prodotti del gruppo/dei gruppi</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. mantenimento</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Temperatura superiore</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. prodotto</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Temperatura inferiore</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Tempo di mantenimento</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Avviso cuocere altro</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Tempo di reset</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Velocità ventola</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Divisione:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Coperchio:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Pieno</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Ventilato</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Doppio fondo</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Tempo di mantenimento non valido!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Tempo di avviso non valido!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Nome prodotto non valido!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Tempo di reset non valido!</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Temperatura di mantenimento non valida!</translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation>Velocità ventola non valida!</translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation>Seleziona il timer da trasferire:</translation>
    </message>
</context>
<context>
    <name>ProductsListPanel</name>
    <message>
        <source>Vented</source>
        <translation>Ventilato</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Pieno</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Doppio fondo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Elimina gruppo</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Elimina prodotto</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>I gruppi vuoti vengono eliminati</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Modifica prodotti non disponibile&lt;br&gt;con timer attivi!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Troppi tentativi falliti.
Chiamare l&apos;assistenza.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Modifica prodotti annullata&lt;br&gt;per timer attivi.</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. mantenimento</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Temperatura superiore</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. prodotto</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Temperatura inferiore</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Tempo di mantenimento:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Tempo di avviso:</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Velocità ventola:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Tempo di reset:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Coperchio:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Divisione:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Elementi:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation>Numero massimo di prodotti/gruppi raggiunto. Impossibile aggiungerne altri!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Rimuovere le assegnazioni di fascia oraria dei vani?</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Il prodotto sarà rimosso dalle assegnazioni&lt;br&gt;delle fasce orarie</translation>
    </message>
    <message>
        <source>Touch a position to choose its product. Touch and hold to clear positions.</source>
        <translation>Toccare una posizione per sceglierne il prodotto. Tenere premuto per svuotare le posizioni.</translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation>&lt;b&gt;Ripristinare la configurazione dell&apos;unità?&lt;/b&gt;&lt;br&gt;Successivamente l&apos;unità va riavviata.</translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation>Test accessori RFID</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Universal Tag</source>
        <translation>Tag universale</translation>
    </message>
</context>
<context>
    <name>SelectTargetModelGroup</name>
    <message>
        <source>Select Model</source>
        <translation>Seleziona modello</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation>N. di serie</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>N. modello</translation>
    </message>
    <message>
        <source>Store #</source>
        <translation>N. punto vendita</translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation>Test resistenze non disponibile&lt;br&gt;con timer attivi!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Troppi tentativi falliti.
Chiamare l&apos;assistenza.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Tutti i pannelli di servizio sbloccati!</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>Il PIN del responsabile è stato reimpostato.</translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation>Test audio e schermo</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Personalizza interfaccia</translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation>File Tavolen importato: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Versione del file non supportata: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Importazione file Tavolen non riuscita: </translation>
    </message>
    <message>
        <source>Tavolen Import</source>
        <translation>Importazione Tavolen</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Locale</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Nessun file Tavolen trovato!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
</context>
<context>
    <name>TrayBar</name>
    <message>
        <source>Product Mismatch</source>
        <translation>Prodotto non corrispondente</translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation>Menu non corrispondente</translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation>Definizione prodotto non valida</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Azzerare?</translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation>SCARTARE!</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation>Personalizza interfaccia</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation>Modifiche in sospeso. Accettare o annullare prima di bloccare.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Troppi tentativi falliti.
Chiamare l&apos;assistenza.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation>Tutti i pannelli di aggiornamento sbloccati!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>Il PIN del responsabile è stato reimpostato.</translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation>File Tavolen importato: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Versione del file non supportata: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Importazione file Tavolen non riuscita: </translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation>File Tavolen esportato: </translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation>Esportazione file Tavolen non riuscita!</translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>WifiApSelectDialog</name>
    <message>
        <source>Wifi SSIDs</source>
        <translation>SSID Wi-Fi</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>MacAddr</source>
        <translation>Ind. MAC</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Segnale</translation>
    </message>
    <message>
        <source>Freq(GHz)</source>
        <translation>Freq.(GHz)</translation>
    </message>
</context>
<context>
    <name>WifiMonitorPanel</name>
    <message>
        <source>Drag across the chart to read a check</source>
        <translation>Trascinare sul grafico per leggere una misura</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connesso</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non connesso</translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation>Monitor Wi-Fi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>Qualità del collegamento</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Livello del segnale</translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation>Salvataggio automatico</translation>
    </message>
    <message>
        <source>No save</source>
        <translation>Non salvare</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>misure</translation>
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
        <translation>Password</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>cerca</translation>
    </message>
    <message>
        <source>WPA Enabled</source>
        <translation>WPA attivo</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identità</translation>
    </message>
</context>
<context>
    <name>ZoneAdvancedOptionsPanel</name>
    <message>
        <source>Exit Row Management?</source>
        <translation>Uscire dalla gestione file?</translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation>Errore zona: sensore di temperatura</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Perdita di comunicazione con l&apos;interfaccia primaria.</translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation>Comunicazione persa con la scheda I/O primaria.</translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation>Comunicazione persa con la scheda I/O.</translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation>Errore zona: temp. B troppo alta</translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation>Errore zona: temp. B troppo bassa.</translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation>Errore zona: temperatura troppo alta</translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation>Errore zona: temperatura troppo bassa.</translation>
    </message>
</context>
<context>
    <name>ZoneOptionsView</name>
    <message>
        <source>Eco Mode</source>
        <translation>Modalità Eco</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
</context>
<context>
    <name>ZoneView</name>
    <message>
        <source>Cannot start timers until preheat is complete</source>
        <translation>Impossibile avviare i timer prima della fine del preriscaldamento</translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation>Modalità Eco</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation>Uscire dalla modalità Eco?</translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation>Accendere?</translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation>Attivare la modalità Eco?</translation>
    </message>
</context>
<context>
    <name>heaterDiagnostics</name>
    <message>
        <source>L: </source>
        <comment>left side</comment>
        <translation>S: </translation>
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
        <translation>A: </translation>
    </message>
    <message>
        <source>B: </source>
        <comment>back side</comment>
        <translation>P: </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Save selected configuration?</source>
        <translation>Salvare la configurazione selezionata?</translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation>Riavviare l&apos;unità</translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation>Selezione configurazione non valida</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation>&lt;b&gt;Errore di sistema&lt;/b&gt;&lt;br&gt;Sovratemperatura del sistema! Cercare fonti di calore nelle vicinanze.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation>&lt;b&gt;Errore di sistema&lt;/b&gt;&lt;br&gt;Sovratemperatura resistenza! Spegnere l&apos;armadio.</translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation>Interruzione di corrente</translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation>Mantieni i timer attivi</translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation>Cancella i timer attivi</translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation>Aggiornamento firmware in corso...</translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation>Aggiornamento menu in corso...</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Backup del sistema in corso.&lt;br&gt;NON scollegare l&apos;USB né spegnere l&apos;unità</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Copia dei file firmware...&lt;br&gt;NON scollegare l&apos;USB né spegnere l&apos;unità</translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation>&lt;b&gt;In attesa di conferma&lt;br&gt;del ripristino&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation>Test resistenze avviato</translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation>&lt;b&gt;ERRORE INTERFACCIA!&lt;/b&gt;&lt;br&gt;Rilevato riavvio imprevisto!</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation>&lt;b&gt;Errore di sistema!&lt;/b&gt;&lt;br&gt;Tensione del bus di comunicazione assente!&lt;br&gt;Controllare il cavo interfaccia–I/O</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Errore di sistema:&lt;/b&gt;&lt;br&gt;Collegamento Modbus interrotto.</translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation>Rilevati due touchscreen PRIMARI. Modificare la configurazione del touchscreen SECONDARIO.</translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation>Rilevati due touchscreen SECONDARI. Modificare la configurazione del touchscreen PRIMARIO.</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>Errore di sistema</translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Unità configurata correttamente.&lt;br&gt;Riavviare l&apos;unità.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configurazione dell&apos;unità ripristinata.&lt;br&gt;Riavviare l&apos;unità.</translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation>Avviare la modalità pulizia?</translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation>Pulire lo schermo ora?</translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;Rilevamento indirizzo EOL avviato&lt;/b&gt;</translation>
    </message>
</context>
</TS>
