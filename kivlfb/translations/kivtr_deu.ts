<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation>&lt;b&gt;NFC-FEHLER!&lt;/b&gt;&lt;br&gt;Automatische Behältererkennung deaktiviert!</translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation>Ungültiger ID-Stecker!
%1</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>We</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fr</translation>
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
        <translation>Reinigungsmodus nicht möglich, solange ein Timer läuft</translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation>Reinigungsmodus beenden?</translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation>Reinigung möglich</translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation>Abkühlen</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation>Display wählen</translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation>PRIMÄRES Display</translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation>SEKUNDÄRES Display</translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation>SPIEGEL-Display</translation>
    </message>
    <message>
        <source>Single display</source>
        <translation>Einzeldisplay</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>Serien-Nr.</translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Reserveschrank #%1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Ausgabeschrank #%1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>Kein Name festgelegt</translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation>Keine Konfigurationen gefunden</translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation>Konfigurationssatz wählen</translation>
    </message>
</context>
<context>
    <name>DayPartEditAssignItem</name>
    <message>
        <source>Vented</source>
        <translation>Belüftet</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Kein</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Einlegeboden</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Warmhaltezeit:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Warnzeit:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Warmhaltetemp.</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Obere Temperatur</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Produkttemp.</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Untere Temperatur</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Lüfterdrehzahl:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Rücksetzzeit:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Deckeltyp:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Bodentyp:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Teilung:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Elemente:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
</context>
<context>
    <name>DayPartEditPanel</name>
    <message>
        <source>Breakfast</source>
        <translation>Frühstück</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Mittag-/Abendessen</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Tageszeiten</translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation>Plattform-Info</translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation>Alle Warmhalte-Timer abgebrochen!</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Dienstprogramme</translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation>Demomodus aktiviert</translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation>Screenshots aktivieren</translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation>Produktbearbeitung</translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation>DEZ RIOT aktiviert</translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation>Entsorgungsblinken aktiv</translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation>Stromquelle: </translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Tontest</translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation>Bildschirmtest</translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation>Alles Warmhalten abbrechen</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>UI-Anpassung</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Dateien Import/Export</translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation>RFID-ZUBEHÖRTEST</translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation>HEIZUNGSTEST</translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation>Kernel:</translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation>Screenshots auf USB-Stick exportiert!</translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation>Keine Screenshots zum Exportieren!</translation>
    </message>
    <message>
        <source>Wi-Fi Monitor</source>
        <translation>WLAN-Monitor</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Alle Fehlerprotokolle löschen</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Fortfahren oder abbrechen</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Fehlerprotokoll</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Fehlername</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Anzahl Einträge: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Erster Eintrag: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Letzter Eintrag: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation>Dateien Import / Export</translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation>USB-Stick einstecken</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Menüdateien exportieren</translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation>Menüdateien importieren</translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation>Screenshots exportieren</translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation>Fehlerprotokoll exportieren</translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation>Warmhalteprotokoll exportieren</translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation>WLAN-Protokolle exportieren</translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation>Kernel-Protokoll exportieren</translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation>IoT-Protokolle exportieren</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Warmhalteprotokolle exportiert!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Export des Warmhalteprotokolls fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation>Screenshots exportiert!</translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation>Keine Screenshots zum Exportieren.</translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation>Keine Produkte in der Gruppe!</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>Ungültiger Gruppenname!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Abbrechen?</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Produkttemp.</translation>
    </message>
    <message>
        <source>Upper temperature:</source>
        <translation>Obere Temperatur:</translation>
    </message>
    <message>
        <source>Lower temperature:</source>
        <translation>Untere Temperatur:</translation>
    </message>
    <message>
        <source>Lid Type:</source>
        <translation>Deckeltyp:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Teilung:</translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation>Lüfterdrehzahl:</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Warmhalteprotokoll</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Entsorgt</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Warmhaltedauer</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Anzahl Einträge: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>HeaterZoneGrid</name>
    <message>
        <source>Invalid fan speed.&lt;br&gt;0 ≤ speed ≥ 100</source>
        <translation>Ungültige Lüfterdrehzahl.&lt;br&gt;0 ≤ Drehzahl ≥ 100</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>Zone </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
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
        <translation>Temperaturtest gesperrt,
solange warmgehalten wird.</translation>
    </message>
    <message>
        <source>V: </source>
        <translation>U: </translation>
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
        <translation>f: </translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Tests cancelled. Active timers.</source>
        <translation>Tests abgebrochen. Timer aktiv.</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Zonendiagnose</translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Regeltemperatur:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Test
abbrechen</translation>
    </message>
    <message>
        <source>Service
Test</source>
        <translation>Service-
test</translation>
    </message>
</context>
<context>
    <name>HeatersTestingItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation>Temperaturtest gesperrt,
solange warmgehalten wird.</translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation>Heizungstest</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Test
abbrechen</translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation>Heizungs-
test</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation>Tags nicht in Fächern gefunden</translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation>Tag-Nr.</translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation>Fach-Nr.</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation>Tag abmelden</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Tavolen-Import nicht möglich,&lt;br&gt;solange Timer aktiv sind!</translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Kommunikationsverlust Master-I/O.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Zeitüberschreitung Systemkonfig. Master-I/O.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Fehler Systemkonfig. Master-I/O.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Temperatursensor \3 kurzgeschlossen.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Temperatursensor \3 offen.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Heizung \3: Temperatur zu niedrig.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Heizung \3: Temperatur zu hoch.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Temperatursensor \3 Referenzfehler.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Fehler Vergleichsstelle \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Übertemperatur im System.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Heizung \3: Übertemperatur.</translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation>Nulldurchgangsfehler Leistungsmessung.</translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation>Kommunikationsfehler Leistungsmessung.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zone \3 deaktiviert. Temperatur zu niedrig.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zone \3 deaktiviert. Temperatur zu hoch.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Kommunikationsverlust sekundäre UI.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Kommunikationsverlust primäre UI.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Kommunikationsverlust I/O-Platine \3.</translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation>Unerwarteter Neustart der UI erkannt.</translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation>Spannung des Kommunikationsbusses nicht erkannt.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Kommunikationsverlust NFC-Platine \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Verbindung abgelehnt. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>Gegenstelle hat Verbindung geschlossen. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Host nicht gefunden. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Socket-Zugriffsfehler. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Socket-Ressourcenfehler. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Socket-Zeitüberschreitung.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagramm zu groß. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Netzwerkfehler. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Adresse bereits belegt. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Socket-Adresse nicht verfügbar. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Socket-Operation nicht unterstützt. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Proxy-Authentifizierung erforderlich. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>SSL-Handshake fehlgeschlagen. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Socket-Operation nicht abgeschlossen. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Proxy-Verbindung abgelehnt. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Proxy-Verbindung geschlossen. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Zeitüberschreitung der Proxy-Verbindung. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy nicht gefunden. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Proxy-Protokollfehler. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Operationsfehler. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Interner SSL-Fehler. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Ungültige SSL-Benutzerdaten. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Vorübergehender Fehler. \3</translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation>RIOT-SDK-Fehler.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Ereignis-Handler nicht gesetzt.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Domänenname nicht gesetzt.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Root-CA-Datei fehlt.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Herstellername fehlt.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Modellnummer fehlt.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Seriennummer fehlt.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Gerätebeschreibung fehlt.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Standortnummer fehlt.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Seriennummer ist nicht alphanumerisch.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Format der Gerätebeschreibung falsch.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Software-ID des Geräts fehlt.</translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation>RIoT-Initialisierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Veröffentlichen fehlgeschlagen: Thema nicht erlaubt.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Abonnieren fehlgeschlagen: Thema nicht erlaubt.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>Client-ID und Client-Schlüssel abgelaufen oder widerrufen.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Aktualisierungstoken abgelaufen oder widerrufen.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Unerwarteter, nicht zugeordneter Fehler.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Allgemeiner TCP/IP-Fehler.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Fehler beim Verbinden mit TCP/IP-Socket.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Fehler beim Lesen vom TCP/IP-Socket.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Fehler beim Schreiben auf TCP/IP-Socket.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Allgemeiner HTTP-Fehler.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Fehler bei HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Fehler bei HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>MQTT-Verbindung fehlgeschlagen: SSL-Hostnamenfehler.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>Prüfsumme der geladenen Datei stimmt nicht mit der angegebenen überein.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Signatur der Prüfsumme kann nicht geprüft werden.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>Fehler: Die Schlüssel-ID (kid) verweist auf nichts.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Veröffentlichen oder Abonnieren fehlgeschlagen: Ping-Anfrage gescheitert.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Geräteinitialisierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>MQTT-Verbindungsversuch bei bestehender Verbindung.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>MQTT-Veröffentlichen/Abonnieren fehlgeschlagen: keine Verbindung.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Unbekannter MQTT-Fehler.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Bereitstellungsstatus:&lt;/b&gt; Nicht bereitgestellt</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Bereitstellungsstatus:&lt;/b&gt; Wird bereitgestellt</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Zertifikatsstatus:&lt;/b&gt; Zeitüberschreitung, neuer Versuch...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Zertifikatsstatus:&lt;/b&gt; Zertifikat angefordert</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Zertifikatsstatus:&lt;/b&gt; Zertifikat erhalten</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Zertifikatsstatus:&lt;/b&gt; Zeitüberschreitung der Anforderung</translation>
    </message>
</context>
<context>
    <name>LanguagesPanel</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>MasterIoManager</name>
    <message>
        <source>I/O Configuration set timed out</source>
        <translation>Zeitüberschreitung beim Setzen der I/O-Konfiguration</translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation>Fehler beim Setzen der I/O-Konfiguration</translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation>Kommunikationsfehler Leistungsmessung</translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation>Nulldurchgangsfehler Leistungsmessung</translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation>Rohtemperaturen und NFC-Tags</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation>Verbindung mit sekundärer UI</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Systemfehler&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Kommunikationsverlust sekundäre UI.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Kommunikationsverlust primäre UI.</translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation>Suche nach Tavolen-Import</translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation>Standard-Tageszeit wird geladen</translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation>Prüfung auf Wiederherstellung</translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation>Warten auf primäre UI.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation>&lt;b&gt;Systemfehler&lt;/b&gt;&lt;br&gt;Sekundäre UI NICHT GEFUNDEN!</translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation>Tavolen-Export</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Menüdateien exportieren</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>USB-Stick prüfen</translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation>&lt;b&gt;Tavolen&lt;/b&gt;-Update</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Keine Tavolen-Dateien gefunden!</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation>Alarm aus</translation>
    </message>
</context>
<context>
    <name>NameFieldMultilingual</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsItem</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zu viele Fehlversuche.
Service anrufen.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Netzwerk auf Standard zurücksetzen?</translation>
    </message>
    <message>
        <source>Network reset is complete.&lt;br&gt;Reboot the unit</source>
        <translation>Netzwerk zurückgesetzt.&lt;br&gt;Gerät neu starten</translation>
    </message>
    <message>
        <source>Network Reset</source>
        <translation>Netzwerk zurücksetzen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</source>
        <translation>&lt;b&gt;Bereitstellungsstatus:&lt;/b&gt; Dauerhaft verbunden</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</source>
        <translation>&lt;b&gt;Bereitstellungsstatus:&lt;/b&gt; Dauerhafte Verbindung getrennt</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>WLAN-Netzwerk</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
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
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Netzmaske</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Zertifikatsstatus:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Bereitstellungsstatus:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation>Ungültige Zeit</translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation>&lt;b&gt;Display nicht konfiguriert&lt;/b&gt;&lt;br&gt;Konfiguration dieses Geräts wählen.</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Konfiguration wählen</translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Produkt wird aus der Produktliste&lt;br&gt;der Gruppe(n) entfernt</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Warmhaltetemp.</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Obere Temperatur</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Produkttemp.</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Untere Temperatur</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Warmhaltezeit</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Nachkoch-Hinweis</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Rücksetzzeit</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Lüfterdrehzahl</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Teilung:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Deckeltyp:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Kein</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Belüftet</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Bodentyp:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Einlegeboden</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Ungültige Warmhaltezeit!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Ungültige Warnzeit!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Ungültiger Produktname!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Ungültige Rücksetzzeit!</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Ungültige Warmhaltetemperatur!</translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation>Ungültige Lüfterdrehzahl!</translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation>Timer zum Übertragen wählen:</translation>
    </message>
</context>
<context>
    <name>ProductsListPanel</name>
    <message>
        <source>Vented</source>
        <translation>Belüftet</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Kein</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Einlegeboden</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Gruppe löschen</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Produkt löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Leere Gruppen werden gelöscht</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Produktbearbeitung nicht möglich,&lt;br&gt;solange Timer aktiv sind!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zu viele Fehlversuche.
Service anrufen.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Produktbearbeitung abgebrochen,&lt;br&gt;da Timer aktiv sind.</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Warmhaltetemp.</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Obere Temperatur</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Produkttemp.</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Untere Temperatur</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Warmhaltezeit:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Warnzeit:</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Lüfterdrehzahl:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Rücksetzzeit:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Deckeltyp:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Bodentyp:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Teilung:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Elemente:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation>Höchstzahl an Produkten/Gruppen erreicht. Keine weiteren möglich!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Tageszeit-Zuordnungen der Fächer entfernen?</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Produkt wird aus den Zuordnungen&lt;br&gt;der Tageszeit(en) entfernt</translation>
    </message>
    <message>
        <source>Touch a position to choose its product. Touch and hold to clear positions.</source>
        <translation>Position antippen, um ihr Produkt zu wählen. Gedrückt halten, um Positionen zu leeren.</translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation>&lt;b&gt;Gerätekonfiguration zurücksetzen?&lt;/b&gt;&lt;br&gt;Das Gerät muss danach neu gestartet werden.</translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation>RFID-Zubehörtest</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Universal Tag</source>
        <translation>Universal-Tag</translation>
    </message>
</context>
<context>
    <name>SelectTargetModelGroup</name>
    <message>
        <source>Select Model</source>
        <translation>Modell wählen</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation>Serien-Nr.</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>Modell-Nr.</translation>
    </message>
    <message>
        <source>Store #</source>
        <translation>Filial-Nr.</translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation>Heizungstest nicht möglich,&lt;br&gt;solange Timer aktiv sind!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zu viele Fehlversuche.
Service anrufen.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Alle Servicebereiche entsperrt!</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>PIN des Managers wurde zurückgesetzt.</translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation>Ton- &amp; Bildschirmtests</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>UI-Anpassung</translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Tavolen-Datei importiert: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Dateiversion wird nicht unterstützt: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Import der Tavolen-Datei fehlgeschlagen: </translation>
    </message>
    <message>
        <source>Tavolen Import</source>
        <translation>Tavolen-Import</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Keine Tavolen-Dateien gefunden!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
</context>
<context>
    <name>TrayBar</name>
    <message>
        <source>Product Mismatch</source>
        <translation>Produkt passt nicht</translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation>Menü passt nicht</translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation>Ungültige Produktdefinition</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Zurücksetzen?</translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation>ENTSORGEN!</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation>UI-Anpassung</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation>Änderungen offen. Vor dem Sperren bitte übernehmen oder verwerfen.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zu viele Fehlversuche.
Service anrufen.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation>Alle Update-Bereiche entsperrt!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>PIN des Managers wurde zurückgesetzt.</translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Tavolen-Datei importiert: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Dateiversion wird nicht unterstützt: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Import der Tavolen-Datei fehlgeschlagen: </translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation>Tavolen-Datei exportiert: </translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation>Export der Tavolen-Datei fehlgeschlagen!</translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>WifiApSelectDialog</name>
    <message>
        <source>Wifi SSIDs</source>
        <translation>WLAN-SSIDs</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>MacAddr</source>
        <translation>MAC-Adr.</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
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
        <translation>Über das Diagramm ziehen, um einen Messwert zu lesen</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation>WLAN-Monitor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>Verbindungsqualität</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Signalstärke</translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation>Auto-Speichern</translation>
    </message>
    <message>
        <source>No save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>Messungen</translation>
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
        <translation>Passwort</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>suchen</translation>
    </message>
    <message>
        <source>WPA Enabled</source>
        <translation>WPA aktiv</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identität</translation>
    </message>
</context>
<context>
    <name>ZoneAdvancedOptionsPanel</name>
    <message>
        <source>Exit Row Management?</source>
        <translation>Reihenverwaltung beenden?</translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation>Zonenfehler: Temperatursensor</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Kommunikationsverlust primäre UI.</translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation>Kommunikation mit primärer I/O-Platine verloren.</translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation>Kommunikation mit I/O-Platine verloren.</translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation>Zonenfehler: Temp. B zu hoch</translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation>Zonenfehler: Temp. B zu niedrig.</translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation>Zonenfehler: Temperatur zu hoch</translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation>Zonenfehler: Temperatur zu niedrig.</translation>
    </message>
</context>
<context>
    <name>ZoneOptionsView</name>
    <message>
        <source>Eco Mode</source>
        <translation>Eco-Modus</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
</context>
<context>
    <name>ZoneView</name>
    <message>
        <source>Cannot start timers until preheat is complete</source>
        <translation>Timer erst nach dem Vorheizen möglich</translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation>Eco-Modus</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation>Eco-Modus beenden?</translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation>Einschalten?</translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation>Eco-Modus starten?</translation>
    </message>
</context>
<context>
    <name>heaterDiagnostics</name>
    <message>
        <source>L: </source>
        <comment>left side</comment>
        <translation>L: </translation>
    </message>
    <message>
        <source>R: </source>
        <comment>right side</comment>
        <translation>R: </translation>
    </message>
    <message>
        <source>U: </source>
        <comment>upper side</comment>
        <translation>O: </translation>
    </message>
    <message>
        <source>L: </source>
        <comment>lower side</comment>
        <translation>U: </translation>
    </message>
    <message>
        <source>F: </source>
        <comment>front side</comment>
        <translation>V: </translation>
    </message>
    <message>
        <source>B: </source>
        <comment>back side</comment>
        <translation>H: </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Save selected configuration?</source>
        <translation>Gewählte Konfiguration speichern?</translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation>Gerät neu starten</translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation>Ungültige Konfigurationsauswahl</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation>&lt;b&gt;Systemfehler&lt;/b&gt;&lt;br&gt;Übertemperatur im System! Umgebung auf Wärmequellen prüfen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation>&lt;b&gt;Systemfehler&lt;/b&gt;&lt;br&gt;Übertemperatur der Heizung! Schrank ausschalten.</translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation>Stromausfall</translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation>Aktive Timer behalten</translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation>Aktive Timer löschen</translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation>Firmware-Update läuft...</translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation>Menü-Update läuft...</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Systemsicherung läuft.&lt;br&gt;USB-Stick NICHT abziehen, Gerät NICHT ausschalten</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Firmware-Dateien werden kopiert...&lt;br&gt;USB-Stick NICHT abziehen, Gerät NICHT ausschalten</translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation>&lt;b&gt;Warten auf Bestätigung&lt;br&gt;der Wiederherstellung&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation>Heizungstest gestartet</translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation>&lt;b&gt;UI-FEHLER!&lt;/b&gt;&lt;br&gt;Unerwarteter Neustart der UI erkannt!</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation>&lt;b&gt;Systemfehler!&lt;/b&gt;&lt;br&gt;Keine Spannung am Kommunikationsbus!&lt;br&gt;Kabel UI–I/O prüfen</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Systemfehler:&lt;/b&gt;&lt;br&gt;Modbus-Verbindung unterbrochen.</translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation>Zwei PRIMÄRE Touchscreens erkannt. Konfiguration des SEKUNDÄREN Touchscreens ändern.</translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation>Zwei SEKUNDÄRE Touchscreens erkannt. Konfiguration des PRIMÄREN Touchscreens ändern.</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>Systemfehler</translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Gerät erfolgreich konfiguriert.&lt;br&gt;Gerät neu starten.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Gerätekonfiguration erfolgreich zurückgesetzt.&lt;br&gt;Gerät neu starten.</translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation>Reinigungsmodus starten?</translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation>Bildschirm jetzt reinigen?</translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;EOL-Adresserkennung gestartet&lt;/b&gt;</translation>
    </message>
</context>
</TS>
