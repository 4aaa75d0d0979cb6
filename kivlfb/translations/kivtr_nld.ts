<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation>&lt;b&gt;NFC-FOUT!&lt;/b&gt;&lt;br&gt;Automatische bakherkenning uitgeschakeld!</translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation>Ongeldige ID-connector!
%1</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation>Januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mei</translation>
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
        <translation>Augustus</translation>
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
        <translation>December</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>Zo</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Ma</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>We</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Vr</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Za</translation>
    </message>
</context>
<context>
    <name>CleaningOptionsPanel</name>
    <message>
        <source>Cannot start clean mode with active timer</source>
        <translation>Reinigen kan niet starten zolang er een timer loopt</translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation>Reinigingsmodus verlaten?</translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation>Klaar om te reinigen</translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation>Afkoelen</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation>Kies display</translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation>PRIMAIR display</translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation>SECUNDAIR display</translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation>SPIEGEL-display</translation>
    </message>
    <message>
        <source>Single display</source>
        <translation>Enkel display</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>Serienr.</translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Reservekast #%1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Uitgiftekast #%1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>Geen naam ingesteld</translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation>Geen configuraties gevonden</translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation>Kies configuratieset</translation>
    </message>
</context>
<context>
    <name>DayPartEditAssignItem</name>
    <message>
        <source>Vented</source>
        <translation>Geventileerd</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Dicht</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Valse bodem</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Warmhoudtijd:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Waarschuwingstijd:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Warmhoudtemp.</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Boventemperatuur</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Producttemp.</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Ondertemperatuur</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Ventilatorsnelheid:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Resettijd:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Dekseltype:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Bodemtype:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Verdeling:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Items:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Kleur:</translation>
    </message>
</context>
<context>
    <name>DayPartEditPanel</name>
    <message>
        <source>Breakfast</source>
        <translation>Ontbijt</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Lunch/Diner</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Dagdelen</translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation>Platforminfo</translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation>Alle warmhoudtimers geannuleerd!</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Hulpprogramma&apos;s</translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation>Demomodus ingeschakeld</translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation>Screenshots inschakelen</translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation>Producten bewerken</translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation>DEZ RIOT ingeschakeld</translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation>Knipperen bij weggooien</translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation>Verticaal spiegelen</translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation>Voeding: </translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Geluidstest</translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation>Schermtest</translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation>Al het warmhouden annuleren</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Interface aanpassen</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Bestanden importeren/exporteren</translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation>RFID-ACCESSOIRETEST</translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation>VERWARMINGSTEST</translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation>Kernel:</translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation>Screenshots naar USB-stick geëxporteerd!</translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation>Geen screenshots om te exporteren!</translation>
    </message>
    <message>
        <source>Wi-Fi Monitor</source>
        <translation>Wifi-monitor</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Alle foutenlogboeken wissen</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Doorgaan of annuleren</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Foutenlogboek</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/tijd</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Foutnaam</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Aantal records: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Eerste record: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Laatste record: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles wissen</translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation>Bestanden importeren / exporteren</translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation>Plaats een USB-stick</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Menubestanden exporteren</translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation>Menubestanden importeren</translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation>Screenshots exporteren</translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation>Foutenlogboek exporteren</translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation>Warmhoudlogboek exporteren</translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation>Wifi-logboeken exporteren</translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation>Kernellogboek exporteren</translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation>IoT-logboeken exporteren</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Warmhoudlogboeken geëxporteerd!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Exporteren warmhoudlogboek mislukt!</translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation>Screenshots geëxporteerd!</translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation>Geen screenshots om te exporteren.</translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation>Geen producten aan de groep toegevoegd!</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>Ongeldige groepsnaam!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Annuleren?</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Producttemp.</translation>
    </message>
    <message>
        <source>Upper temperature:</source>
        <translation>Boventemperatuur:</translation>
    </message>
    <message>
        <source>Lower temperature:</source>
        <translation>Ondertemperatuur:</translation>
    </message>
    <message>
        <source>Lid Type:</source>
        <translation>Dekseltype:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Verdeling:</translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation>Ventilatorsnelheid:</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Warmhoudlogboek</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Productnaam</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Plank</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttijd</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Weggegooid</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Warmhoudduur</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Aantal records: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alles tonen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>HeaterZoneGrid</name>
    <message>
        <source>Invalid fan speed.&lt;br&gt;0 ≤ speed ≥ 100</source>
        <translation>Ongeldige ventilatorsnelheid.&lt;br&gt;0 ≤ snelheid ≥ 100</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>Zone </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AAN</translation>
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
        <translation>Temperatuurtest uitgeschakeld
tijdens warmhouden.</translation>
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
        <translation>Tests geannuleerd. Timers actief.</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Zonediagnose</translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Regeltemperatuur:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Test
annuleren</translation>
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
        <translation>Temperatuurtest uitgeschakeld
tijdens warmhouden.</translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation>Verwarmingstest</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Test
annuleren</translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation>Verwarmings-
test</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation>Tags niet gevonden in vakken</translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation>Tagnr.</translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation>Vaknr.</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation>Tag afmelden</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Tavolen-import niet beschikbaar&lt;br&gt;zolang timers actief zijn!</translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Communicatie met master-I/O verloren.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Time-out systeemconfig. master-I/O.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Fout systeemconfig. master-I/O.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Temperatuursensor \3 kortgesloten.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Temperatuursensor \3 open.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Verwarming \3: temperatuur te laag.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Verwarming \3: temperatuur te hoog.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Referentiefout temperatuursensor \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Fout koude las \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Systeemovertemperatuur.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Verwarming \3: overtemperatuur.</translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation>Nuldoorgangsfout vermogensmeter.</translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation>Communicatiefout vermogensmeter.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zone \3 uitgeschakeld. Temperatuur te laag.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zone \3 uitgeschakeld. Temperatuur te hoog.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Communicatie met secundaire UI verloren.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Communicatie met primaire UI verloren.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Communicatie met I/O-kaart \3 verloren.</translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation>Onverwachte herstart van de UI gedetecteerd.</translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation>Spanning communicatiebus niet gedetecteerd.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Communicatie met NFC-kaart \2 verloren.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Verbinding geweigerd. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>Externe host heeft verbinding gesloten. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Host niet gevonden. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Socket-toegangsfout. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Socket-bronfout. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Socket-time-out.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagram te groot. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Netwerkfout. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Adres al in gebruik. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Socketadres niet beschikbaar. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Socketbewerking niet ondersteund. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Proxy-authenticatie vereist. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>SSL-handshake mislukt. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Socketbewerking niet voltooid. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Proxyverbinding geweigerd. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Proxyverbinding gesloten. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Time-out proxyverbinding. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy niet gevonden. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Proxyprotocolfout. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Bewerkingsfout. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Interne SSL-fout. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Ongeldige SSL-gebruikersgegevens. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Tijdelijke fout. \3</translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation>RIOT SDK-fout.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Gebeurtenishandler niet ingesteld.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Domeinnaam niet ingesteld.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Root-CA-bestand ontbreekt.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Fabrikantnaam ontbreekt.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Modelnummer ontbreekt.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Serienummer ontbreekt.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Apparaatbeschrijving ontbreekt.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Locatienummer ontbreekt.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Serienummer is niet alfanumeriek.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Formaat apparaatbeschrijving onjuist.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Software-ID van apparaat ontbreekt.</translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation>Initialisatie RIoT mislukt.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Publiceren mislukt: onderwerp niet toegestaan.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Abonneren mislukt: onderwerp niet toegestaan.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>Client-ID en geheime sleutel verlopen of ingetrokken.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Vernieuwingstoken verlopen of ingetrokken.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Onverwachte, niet-geclassificeerde fout.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Algemene TCP/IP-fout.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Fout bij verbinden met TCP/IP-socket.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Fout bij lezen van TCP/IP-socket.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Fout bij schrijven naar TCP/IP-socket.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Algemene HTTP-fout.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Fout bij HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Fout bij HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>MQTT-verbinding mislukt: SSL-hostnaamfout.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>Controlesom van het gedownloade bestand komt niet overeen met de opgegeven controlesom.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Handtekening van de controlesom kan niet worden gevalideerd.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>Fout: de kid verwijst nergens naar.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Publiceren of abonneren mislukt: ping-verzoek mislukt.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Initialisatie van apparaat mislukt.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>MQTT-verbinding geprobeerd terwijl er al een verbinding is.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>MQTT publiceren/abonneren mislukt: geen verbinding.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Onbekende MQTT-fout.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Onbekende fout.</translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Provisioningstatus:&lt;/b&gt; Niet geprovisioneerd</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Provisioningstatus:&lt;/b&gt; Bezig</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Certificaatstatus:&lt;/b&gt; Time-out, opnieuw proberen...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Certificaatstatus:&lt;/b&gt; Certificaat aangevraagd</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Certificaatstatus:&lt;/b&gt; Certificaat ontvangen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Certificaatstatus:&lt;/b&gt; Time-out aanvraag</translation>
    </message>
</context>
<context>
    <name>LanguagesPanel</name>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
</context>
<context>
    <name>MasterIoManager</name>
    <message>
        <source>I/O Configuration set timed out</source>
        <translation>Time-out bij instellen I/O-configuratie</translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation>Fout bij instellen I/O-configuratie</translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation>Communicatiefout vermogensmeter</translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation>Nuldoorgangsfout vermogensmeter</translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation>Ruwe temperaturen en NFC-tags</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation>Communicatie met secundaire UI</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Systeemfout&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Communicatie met secundaire UI verloren.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Communicatie met primaire UI verloren.</translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation>Zoeken naar Tavolen-import</translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation>Standaarddagdeel laden</translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation>Controle op herstel warmhouden</translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation>Wachten op primaire UI.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation>&lt;b&gt;Systeemfout&lt;/b&gt;&lt;br&gt;Secundaire UI NIET GEVONDEN!</translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation>Tavolen-export</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Menubestanden exporteren</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Controleer de USB-stick</translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation>&lt;b&gt;Tavolen&lt;/b&gt;-update</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Geen Tavolen-bestanden gevonden!</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation>Alarm uit</translation>
    </message>
</context>
<context>
    <name>NameFieldMultilingual</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsItem</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Te veel mislukte pogingen.
Bel de servicedienst.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>Pincode</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Netwerk terugzetten naar standaard?</translation>
    </message>
    <message>
        <source>Network reset is complete.&lt;br&gt;Reboot the unit</source>
        <translation>Netwerk teruggezet.&lt;br&gt;Start het apparaat opnieuw op</translation>
    </message>
    <message>
        <source>Network Reset</source>
        <translation>Netwerk resetten</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</source>
        <translation>&lt;b&gt;Provisioningstatus:&lt;/b&gt; Permanent verbonden</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</source>
        <translation>&lt;b&gt;Provisioningstatus:&lt;/b&gt; Permanente verbinding verbroken</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Wifi-netwerk</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ingeschakeld</translation>
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
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Netmasker</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Certificaatstatus:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Provisioningstatus:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation>Ongeldige tijd</translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation>&lt;b&gt;Display niet geconfigureerd&lt;/b&gt;&lt;br&gt;Kies de configuratie van dit apparaat.</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Kies configuratie</translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Product wordt verwijderd uit de&lt;br&gt;productlijst van de groep(en)</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Warmhoudtemp.</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Boventemperatuur</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Producttemp.</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Ondertemperatuur</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Warmhoudtijd</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Melding bijbakken</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Resettijd</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Ventilatorsnelheid</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Verdeling:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Dekseltype:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Dicht</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Geventileerd</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Bodemtype:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Valse bodem</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Kleur:</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Ongeldige warmhoudtijd!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Ongeldige waarschuwingstijd!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Ongeldige productnaam!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Ongeldige resettijd!</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Ongeldige warmhoudtemperatuur!</translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation>Ongeldige ventilatorsnelheid!</translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation>Kies de timer om over te zetten:</translation>
    </message>
</context>
<context>
    <name>ProductsListPanel</name>
    <message>
        <source>Vented</source>
        <translation>Geventileerd</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Dicht</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Valse bodem</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Groep verwijderen</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Product verwijderen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Lege groepen worden verwijderd</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Producten bewerken niet mogelijk&lt;br&gt;zolang timers actief zijn!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Te veel mislukte pogingen.
Bel de servicedienst.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>Pincode</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Producten bewerken geannuleerd&lt;br&gt;wegens actieve timers.</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Warmhoudtemp.</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Boventemperatuur</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Producttemp.</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Ondertemperatuur</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Warmhoudtijd:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Waarschuwingstijd:</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Ventilatorsnelheid:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Resettijd:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Dekseltype:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Bodemtype:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Verdeling:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Items:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Kleur:</translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation>Maximum aantal producten/groepen bereikt. Toevoegen niet mogelijk!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FOUT</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Dagdeeltoewijzingen van de vakken verwijderen?</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Product wordt verwijderd uit de&lt;br&gt;dagdeeltoewijzingen</translation>
    </message>
    <message>
        <source>Touch a position to choose its product. Touch and hold to clear positions.</source>
        <translation>Tik op een positie om het product te kiezen. Houd vast om posities te wissen.</translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation>&lt;b&gt;Apparaatconfiguratie resetten?&lt;/b&gt;&lt;br&gt;Het apparaat moet daarna opnieuw worden opgestart.</translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation>RFID-accessoiretest</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Universal Tag</source>
        <translation>Universele tag</translation>
    </message>
</context>
<context>
    <name>SelectTargetModelGroup</name>
    <message>
        <source>Select Model</source>
        <translation>Kies model</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>Modelnr.</translation>
    </message>
    <message>
        <source>Store #</source>
        <translation>Filiaalnr.</translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation>Verwarmingstest niet mogelijk&lt;br&gt;zolang timers actief zijn!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Te veel mislukte pogingen.
Bel de servicedienst.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>Pincode</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Alle servicepanelen ontgrendeld!</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>Pincode van de manager is gereset.</translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation>Geluids- en schermtests</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Interface aanpassen</translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Tavolen-bestand geïmporteerd: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Bestandsversie niet ondersteund: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Importeren Tavolen-bestand mislukt: </translation>
    </message>
    <message>
        <source>Tavolen Import</source>
        <translation>Tavolen-import</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokaal</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Geen Tavolen-bestanden gevonden!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
</context>
<context>
    <name>TrayBar</name>
    <message>
        <source>Product Mismatch</source>
        <translation>Product komt niet overeen</translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation>Menu komt niet overeen</translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation>Ongeldige productdefinitie</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Resetten?</translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation>WEGGOOIEN!</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wachten</translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation>Interface aanpassen</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation>Wijzigingen in behandeling. Accepteer of annuleer voor het vergrendelen.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Te veel mislukte pogingen.
Bel de servicedienst.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>Pincode</translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation>Alle updatepanelen ontgrendeld!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FOUT</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>Pincode van de manager is gereset.</translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Tavolen-bestand geïmporteerd: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Bestandsversie niet ondersteund: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Importeren Tavolen-bestand mislukt: </translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation>Tavolen-bestand geëxporteerd: </translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation>Exporteren Tavolen-bestand mislukt!</translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>WifiApSelectDialog</name>
    <message>
        <source>Wifi SSIDs</source>
        <translation>Wifi-SSID&apos;s</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>MacAddr</source>
        <translation>MAC-adres</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signaal</translation>
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
        <translation>Sleep over de grafiek om een meting te lezen</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbonden</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>niet verbonden</translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation>Wifi-monitor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>Verbindingskwaliteit</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Signaalsterkte</translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation>Automatisch opslaan</translation>
    </message>
    <message>
        <source>No save</source>
        <translation>Niet opslaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>metingen</translation>
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
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>zoeken</translation>
    </message>
    <message>
        <source>WPA Enabled</source>
        <translation>WPA ingeschakeld</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identiteit</translation>
    </message>
</context>
<context>
    <name>ZoneAdvancedOptionsPanel</name>
    <message>
        <source>Exit Row Management?</source>
        <translation>Rijbeheer verlaten?</translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation>Zonefout: temperatuursensor</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Communicatie met primaire UI verloren.</translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation>Communicatie met primaire I/O-kaart verloren.</translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation>Communicatie met I/O-kaart verloren.</translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation>Zonefout: temp. B te hoog</translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation>Zonefout: temp. B te laag.</translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation>Zonefout: temperatuur te hoog</translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation>Zonefout: temperatuur te laag.</translation>
    </message>
</context>
<context>
    <name>ZoneOptionsView</name>
    <message>
        <source>Eco Mode</source>
        <translation>Eco-modus</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
</context>
<context>
    <name>ZoneView</name>
    <message>
        <source>Cannot start timers until preheat is complete</source>
        <translation>Timers kunnen pas starten na het voorverwarmen</translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation>Eco-modus</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation>Eco-modus verlaten?</translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation>Inschakelen?</translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation>Eco-modus starten?</translation>
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
        <translation>B: </translation>
    </message>
    <message>
        <source>L: </source>
        <comment>lower side</comment>
        <translation>O: </translation>
    </message>
    <message>
        <source>F: </source>
        <comment>front side</comment>
        <translation>V: </translation>
    </message>
    <message>
        <source>B: </source>
        <comment>back side</comment>
        <translation>A: </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Save selected configuration?</source>
        <translation>Gekozen configuratie opslaan?</translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation>Start het apparaat opnieuw op</translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation>Ongeldige configuratiekeuze</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation>&lt;b&gt;Systeemfout&lt;/b&gt;&lt;br&gt;Systeemovertemperatuur! Controleer de omgeving op warmtebronnen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation>&lt;b&gt;Systeemfout&lt;/b&gt;&lt;br&gt;Overtemperatuur verwarming! Schakel de kast uit.</translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation>Stroomonderbreking</translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation>Actieve timers behouden</translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation>Actieve timers wissen</translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation>Firmware-update bezig...</translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation>Menu-update bezig...</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Systeemback-up bezig.&lt;br&gt;USB NIET loskoppelen en apparaat NIET uitschakelen</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Firmwarebestanden kopiëren...&lt;br&gt;USB NIET loskoppelen en apparaat NIET uitschakelen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wachten op bevestiging&lt;br&gt;van het herstel&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation>Verwarmingstest gestart</translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation>&lt;b&gt;UI-FOUT!&lt;/b&gt;&lt;br&gt;Onverwachte herstart van de UI!</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation>&lt;b&gt;Systeemfout!&lt;/b&gt;&lt;br&gt;Geen spanning op de communicatiebus!&lt;br&gt;Controleer de kabel UI–I/O</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Systeemfout:&lt;/b&gt;&lt;br&gt;Modbus-verbinding verbroken.</translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation>Twee PRIMAIRE touchscreens gedetecteerd. Wijzig de configuratie van het SECUNDAIRE touchscreen.</translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation>Twee SECUNDAIRE touchscreens gedetecteerd. Wijzig de configuratie van het PRIMAIRE touchscreen.</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>Systeemfout</translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Apparaat geconfigureerd.&lt;br&gt;Start het apparaat opnieuw op.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Apparaatconfiguratie gereset.&lt;br&gt;Start het apparaat opnieuw op.</translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation>Reinigingsmodus starten?</translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation>Scherm nu reinigen?</translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;EOL-adresdetectie gestart&lt;/b&gt;</translation>
    </message>
</context>
</TS>
