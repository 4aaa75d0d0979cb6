<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation>Invalid ID connector!
%1</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation>January</translation>
    </message>
    <message>
        <source>February</source>
        <translation>February</translation>
    </message>
    <message>
        <source>March</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
    </message>
    <message>
        <source>June</source>
        <translation>June</translation>
    </message>
    <message>
        <source>July</source>
        <translation>July</translation>
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
        <translation>October</translation>
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
        <translation>Su</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>We</source>
        <translation>We</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Th</translation>
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
        <translation>Cannot start clean mode with active timer</translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation>Exit Cleaning Mode?</translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation>Safe to Clean</translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation>Cooling Down</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation>Select Display</translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation>PRIMARY display</translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation>SECONDARY display</translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation>MIRROR display</translation>
    </message>
    <message>
        <source>Single display</source>
        <translation>Single display</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>Serial #</translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Reserve Cabinet #%1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Point-of-Use Cabinet #%1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>Name Not Set</translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation>No configurations found</translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation>Select Configuration Set</translation>
    </message>
</context>
<context>
    <name>DayPartEditAssignItem</name>
    <message>
        <source>Vented</source>
        <translation>Vented</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>False</source>
        <translation>False</translation>
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
        <translation>Name:</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Hold time:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Warning time:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Hold Temp</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Upper Temperature</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Product temp</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Lower Temperature</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Fan Speed:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Reset time:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Lid type:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Bottom type:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Zone splits:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Items:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
</context>
<context>
    <name>DayPartEditPanel</name>
    <message>
        <source>Breakfast</source>
        <translation>Breakfast</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Lunch/Dinner</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Day-Parts</translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation>Platform Info</translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation>All holding timers canceled!</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilities</translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation>Demo mode enabled</translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation>Enable screen shots</translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation>Products Editing</translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation>DEZ RIOT Enabled</translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation>Discard flash enable</translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation>Vertical flip</translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation>Power Source: </translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Sound test</translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation>Screen test</translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation>Cancel All Holding</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>UI customization</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Files Import/Export</translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation>RFID ACCS. TESTING</translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation>HEATERS TESTING</translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation>Kernel:</translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation>Screen-shots exported to flash drive!</translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation>No screen-shots to export!</translation>
    </message>
    <message>
        <source>Wi-Fi Monitor</source>
        <translation>Wi-Fi Monitor</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Clearing All Error Logs</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Continue or Cancel</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Errors Log</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/Time</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Error name</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Number of records: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>First record: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Last record: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Clear All</translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation>Files Import / Export</translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation>Insert a USB flash drive</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Export Menu Files</translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation>Import Menu Files</translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation>Export Screenshots</translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation>Export Error Log</translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation>Export Holding Log</translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation>Export Wifi Logs</translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation>Export Kernel Log</translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation>Export IoT Logs</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Holding Log files exported!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Holding Log export failed!</translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation>Screenshots exported!</translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation>No screenshots to export.</translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation>No products added to the group!</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>Group has invalid name!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Cancel?</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Product temp</translation>
    </message>
    <message>
        <source>Upper temperature:</source>
        <translation>Upper temperature:</translation>
    </message>
    <message>
        <source>Lower temperature:</source>
        <translation>Lower temperature:</translation>
    </message>
    <message>
        <source>Lid Type:</source>
        <translation>Lid Type:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Zone splits:</translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation>Fan speed:</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Holding Log</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Product Name</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Shelf Number</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Discarded</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Holding Duration</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Number of records: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Show All</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
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
        <translation>Invalid fan speed.&lt;br&gt;0 ≤ speed ≥ 100</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>Zone </translation>
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
        <translation>Temperature test disabled
while actively holding.</translation>
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
        <translation>Tests cancelled. Active timers.</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Zone Diagnostics</translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Control Temperature:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Cancel
Test</translation>
    </message>
    <message>
        <source>Service
Test</source>
        <translation>Service
Test</translation>
    </message>
</context>
<context>
    <name>HeatersTestingItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation>Temperature test disabled
while actively holding.</translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation>Heaters Testing</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Cancel
Test</translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation>Heaters
Test</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation>Tags Not Found In Bins</translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation>Tag #</translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation>Bin #</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation>De-Register Tag</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Tavolen Import Unavailable&lt;br&gt;while timers are active!</translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Master I/O communication loss.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Master I/O sys config timeout.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Master I/O sys config error.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Temperature sensor \3 shorted.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Temperature sensor \3 open.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Heater \3 low temp error.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Heater \3 high temp error.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Temperature sensor \3 reference error.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Cold junction \3 error.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>System over temperature error.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Heater \3 over temperature error.</translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation>Power monitor ZX error.</translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation>Power monitor communication error.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zone \3 Disabled. Temperature too low.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zone \3 Disabled. Temperature too high.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Secondary UI communication loss.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Primary UI communication loss.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>I/O board \3 communication loss.</translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation>Unexpected UI reboot detected.</translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation>Communication bus voltage not detected.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>NFC board \2 communication loss.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Connection refused error. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>Remote host closed error. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Host not found error. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Socket access error. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Socket resource error. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Socket timeout error.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagram too large error. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Network error. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Address in use error. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Socket address not available error. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Unsupported socket operation error. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Proxy authentication required error. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Ssl handshake failed error. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Unfinished socket operation error. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Proxy connection refused error. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Proxy connection closed error. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Proxy connection timeout error. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy not found error. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Proxy protocol error. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Operation error. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Ssl internal error. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Ssl invalid user data error. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Temporary error. \3</translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation>RIOT SDK Error.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Event handler is not set.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Domain name is not set.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Root CA file is  null.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Manufacturer name is missing.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Model number is missing.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Serial number is missing.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Device descriptor is missing.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Location number is missing.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Serial number is not alpha-numeric.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Device descriptor format is incorrect.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Device software Id is missing.</translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation>Failed to initialize RIoT.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Failed to publish due to unauthorized topic.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Failed to subscribe due to unauthorized topic.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>Client ID and client secret key is expired or revoked.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Refresh token is expired or revoked.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Unexpected unclassified error.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>General underlying TCP/IP error.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Error connecting to TCP/IP socket.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Error reading from TCP/IP socket.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Error writing to TCP/IP socket.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>General underlying HTTP error.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Error on HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Error on HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>MQTT connect failed due to SSL hostname error.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>Checksum of the downloaded file does not match with the specified checksum.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Signature of the checksum cannot be validated.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>Error is returned when the kid does not reference.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Publish or subscribe failed due ping request failure.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Device init return failed.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Trying to connect to MQTT when there is already a connection.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>MQTT publish/subscribe failed due to disconnection or failure to connect.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Unknown underlying MQTT error.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unknown error.</translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</translation>
    </message>
</context>
<context>
    <name>LanguagesPanel</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>MasterIoManager</name>
    <message>
        <source>I/O Configuration set timed out</source>
        <translation>I/O Configuration set timed out</translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation>I/O Configuration set error</translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation>Power monitor communication error</translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation>Power monitor ZX error</translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation>Raw Temp and NFC Tag Monitoring</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation>Communicating with Secondary UI</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Secondary UI communication loss.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Primary UI communication loss.</translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation>Checking for Tavolen import</translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation>Default Day-Part loading</translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation>Checking for Holding Restoration</translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation>Waiting for Primary UI.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation>Tavolen Export</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Export Menu Files</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Check Flash Drive</translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation>&lt;b&gt;Tavolen&lt;/b&gt; Update</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>No Tavolen files found!</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation>Silence Alarm</translation>
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
        <translation>Too many failed attempts.
Call service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Reset to default network?</translation>
    </message>
    <message>
        <source>Network reset is complete.&lt;br&gt;Reboot the unit</source>
        <translation>Network reset is complete.&lt;br&gt;Reboot the unit</translation>
    </message>
    <message>
        <source>Network Reset</source>
        <translation>Network Reset</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</source>
        <translation>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</source>
        <translation>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Wi-Fi Networking</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
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
        <translation>IP Address</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Netmask</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Default Gateway</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Certificate Status:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Provisioning Status:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation>Invalid time value</translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Select Configuration</translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Product will be removed from group(s)&lt;br&gt;products list</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Hold Temp</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Upper temperature</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Product temp</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Lower temperature</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Holding time</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Cook more alert time</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Reset time</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Fan speed</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Zone splits:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Lid type:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Vented</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Bottom type:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>False</source>
        <translation>False</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Invalid hold time value!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Invalid warning time value!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Invalid product name!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Invalid reset time value!</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Invalid hold temperature!</translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation>Invalid fan speed value!</translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation>Select Timer To Transfer:</translation>
    </message>
</context>
<context>
    <name>ProductsListPanel</name>
    <message>
        <source>Vented</source>
        <translation>Vented</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>False</source>
        <translation>False</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Delete group</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Delete product</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Empty groups are deleted</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Product Editing Unavailable&lt;br&gt;while timers are active!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Too many failed attempts.
Call service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Products Editing Cancelled&lt;br&gt;due to active timers.</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>id:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Hold Temp</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Upper Temperature</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Product temp</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Lower Temperature</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Hold time:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Warning time:</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Fan Speed:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Reset time:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Lid type:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Bottom type:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Zone splits:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Items:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation>Max products/groups reached. Can&apos;t add new products/groups!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Remove Bins day-part assignments?</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Product will be removed from day-part(s)&lt;br&gt;assignments</translation>
    </message>
    <message>
        <source>Touch a position to choose its product. Touch and hold to clear positions.</source>
        <translation>Touch a position to choose its product. Touch and hold to clear positions.</translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation>RFID Accessory Testing</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Universal Tag</source>
        <translation>Universal Tag</translation>
    </message>
</context>
<context>
    <name>SelectTargetModelGroup</name>
    <message>
        <source>Select Model</source>
        <translation>Select Model</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation>Serial #</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>Model #</translation>
    </message>
    <message>
        <source>Store #</source>
        <translation>Store #</translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation>Heater test unavailable&lt;br&gt;while timers are active!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Too many failed attempts.
Call service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>All service panels unlocked!</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>Manager&apos;s PIN# was reset.</translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation>Sound &amp; Screen Tests</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>UI customization</translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Tavolen file imported: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>File version is not supported: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Tavolen file import failed: </translation>
    </message>
    <message>
        <source>Tavolen Import</source>
        <translation>Tavolen Import</translation>
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
        <translation>No Tavolen files found!</translation>
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
        <translation>Product Mismatch</translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation>Menu Mismatch</translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation>Invalid product definition</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Reset?</translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation>DISCARD!</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation>UI customization</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation>Changes pending. Please accept or cancel before re-locking.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Too many failed attempts.
Call service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation>All update panels unlocked!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>Manager&apos;s PIN# was reset.</translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Tavolen file imported: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>File version is not supported: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Tavolen file import failed: </translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation>Tavolen file exported: </translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation>Tavolen file export failed!</translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>WifiApSelectDialog</name>
    <message>
        <source>Wifi SSIDs</source>
        <translation>Wifi SSIDs</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>MacAddr</source>
        <translation>MacAddr</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Freq(GHz)</source>
        <translation>Freq(GHz)</translation>
    </message>
</context>
<context>
    <name>WifiMonitorPanel</name>
    <message>
        <source>Drag across the chart to read a check</source>
        <translation>Drag across the chart to read a check</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connected</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>not connected</translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation>Wi-Fi monitor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>Link quality</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Signal level</translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation>Auto save</translation>
    </message>
    <message>
        <source>No save</source>
        <translation>No save</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>checks</translation>
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
        <translation>scan</translation>
    </message>
    <message>
        <source>WPA Enabled</source>
        <translation>WPA Enabled</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identity</translation>
    </message>
</context>
<context>
    <name>ZoneAdvancedOptionsPanel</name>
    <message>
        <source>Exit Row Management?</source>
        <translation>Exit Row Management?</translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation>Zone error: temperature sensor error</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Primary UI communication loss.</translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation>Primary I/O board comm lost.</translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation>I/O board comm loss.</translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation>Zone error: temp. B too high</translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation>Zone error: temp. B too low.</translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation>Zone error: temperature too high</translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation>Zone error: temperature too low.</translation>
    </message>
</context>
<context>
    <name>ZoneOptionsView</name>
    <message>
        <source>Eco Mode</source>
        <translation>Eco Mode</translation>
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
        <translation>Cannot start timers until preheat is complete</translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation>Eco Mode</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation>Exit Eco Mode?</translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation>Power On?</translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation>Enter Eco Mode?</translation>
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
        <translation>U: </translation>
    </message>
    <message>
        <source>L: </source>
        <comment>lower side</comment>
        <translation>L: </translation>
    </message>
    <message>
        <source>F: </source>
        <comment>front side</comment>
        <translation>F: </translation>
    </message>
    <message>
        <source>B: </source>
        <comment>back side</comment>
        <translation>B: </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Save selected configuration?</source>
        <translation>Save selected configuration?</translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation>Reboot the unit</translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation>Invalid configuration selection</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation>Power Interrupted</translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation>Keep active timers</translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation>Clear active timers</translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation>Firmware update in progress...</translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation>Menu update in progress...</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation>Heaters testing is started</translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>System Error</translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Unit configuration successful.&lt;br&gt;Reboot the unit.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation>Enter Cleaning Mode?</translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation>Clean Screen Now?</translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</translation>
    </message>
</context>
</TS>
