<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Su</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CleaningOptionsPanel</name>
    <message>
        <source>Cannot start clean mode with active timer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Clearing All Error Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First record: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lid Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeaterZoneGrid</name>
    <message>
        <source>Invalid fan speed.&lt;br&gt;0 ≤ speed ≥ 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+++</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeatersDiagnosticsItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tests cancelled. Active timers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service
Test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeatersTestingItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguagesPanel</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MasterIoManager</name>
    <message>
        <source>I/O Configuration set timed out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameFieldMultilingual</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductsListPanel</name>
    <message>
        <source>Vented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>id:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal Tag</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectTargetModelGroup</name>
    <message>
        <source>Select Model</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store #</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavolen Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayBar</name>
    <message>
        <source>Product Mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WifiMonitorPanel</name>
    <message>
        <source>Drag across the chart to read a check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneAdvancedOptionsPanel</name>
    <message>
        <source>Exit Row Management?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneOptionsView</name>
    <message>
        <source>Eco Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneView</name>
    <message>
        <source>Cannot start timers until preheat is complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Save selected configuration?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
