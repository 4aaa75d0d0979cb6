<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation>&lt;b&gt;BŁĄD NFC!&lt;/b&gt;&lt;br&gt;Automatyczne wykrywanie tac wyłączone!</translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation>Nieprawidłowe złącze ID!
%1</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation>Styczeń</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Luty</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzec</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Kwiecień</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Czerwiec</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Lipiec</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Sierpień</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Wrzesień</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Październik</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Listopad</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Grudzień</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>Nd</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>We</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>So</translation>
    </message>
</context>
<context>
    <name>CleaningOptionsPanel</name>
    <message>
        <source>Cannot start clean mode with active timer</source>
        <translation>Nie można czyścić przy aktywnym timerze</translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation>Zakończyć tryb czyszczenia?</translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation>Można czyścić</translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation>Chłodzenie</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation>Wybierz wyświetlacz</translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation>Wyświetlacz GŁÓWNY</translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation>Wyświetlacz DODATKOWY</translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation>Wyświetlacz LUSTRZANY</translation>
    </message>
    <message>
        <source>Single display</source>
        <translation>Jeden wyświetlacz</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>Nr seryjny</translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Szafa zapasowa nr %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Szafa wydawcza nr %1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>Brak nazwy</translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation>Nie znaleziono konfiguracji</translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation>Wybierz zestaw konfiguracji</translation>
    </message>
</context>
<context>
    <name>DayPartEditAssignItem</name>
    <message>
        <source>Vented</source>
        <translation>Z otworami</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Pełna</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Podwójne</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Zwykłe</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>id:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Czas przetrzym.:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Czas ostrzeżenia:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. przetrzym.</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Temperatura górna</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. produktu</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Temperatura dolna</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Wentylator:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Czas resetu:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Pokrywa:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Dno:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Podział strefy:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Pozycje:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Kolor:</translation>
    </message>
</context>
<context>
    <name>DayPartEditPanel</name>
    <message>
        <source>Breakfast</source>
        <translation>Śniadanie</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Obiad/kolacja</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Pory dnia</translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation>Dane platformy</translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation>Anulowano wszystkie timery!</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation>Tryb demo włączony</translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation>Zrzuty ekranu</translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation>Edycja produktów</translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation>DEZ RIOT włączony</translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation>Miganie przy wyrzuceniu</translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation>Odwrócenie w pionie</translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation>Zasilanie: </translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Test dźwięku</translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation>Test ekranu</translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation>Anuluj całe przetrzymywanie</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Wygląd interfejsu</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Import/eksport plików</translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation>TEST AKCESORIÓW RFID</translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation>TEST GRZAŁEK</translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation>Jądro:</translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation>Zrzuty ekranu zapisano na pamięci USB!</translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation>Brak zrzutów ekranu do eksportu!</translation>
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
        <translation>Usuwanie wszystkich dzienników błędów</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Kontynuuj lub anuluj</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Dziennik błędów</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/godzina</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Nazwa błędu</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Liczba wpisów: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Pierwszy wpis: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Ostatni wpis: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Wyczyść wszystko</translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation>Import / eksport plików</translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation>Włóż pamięć USB</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Eksportuj pliki menu</translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation>Importuj pliki menu</translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation>Eksportuj zrzuty ekranu</translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation>Eksportuj dziennik błędów</translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation>Eksportuj dziennik HACCP</translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation>Eksportuj dzienniki Wi-Fi</translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation>Eksportuj dziennik jądra</translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation>Eksportuj dzienniki IoT</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Dziennik przetrzymywania wyeksportowany!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Eksport dziennika przetrzymywania nieudany!</translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation>Zrzuty ekranu wyeksportowane!</translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation>Brak zrzutów ekranu do eksportu.</translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation>Do grupy nie dodano produktów!</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>Nieprawidłowa nazwa grupy!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Anulować?</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. produktu</translation>
    </message>
    <message>
        <source>Upper temperature:</source>
        <translation>Temperatura górna:</translation>
    </message>
    <message>
        <source>Lower temperature:</source>
        <translation>Temperatura dolna:</translation>
    </message>
    <message>
        <source>Lid Type:</source>
        <translation>Pokrywa:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Podział strefy:</translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation>Wentylator:</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Dziennik przetrzymywania</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Nazwa produktu</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Nr półki</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Wyrzucono</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Czas przetrzymywania</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Liczba wpisów: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Pokaż wszystko</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>HeaterZoneGrid</name>
    <message>
        <source>Invalid fan speed.&lt;br&gt;0 ≤ speed ≥ 100</source>
        <translation>Nieprawidłowa prędkość wentylatora.&lt;br&gt;0 ≤ prędkość ≥ 100</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>Str. </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>WYŁ.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>WŁ.</translation>
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
        <translation>Test temperatury niedostępny
podczas przetrzymywania.</translation>
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
        <translation>Testy anulowane. Aktywne timery.</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnostyka stref</translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Temp. sterowania:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Anuluj
test</translation>
    </message>
    <message>
        <source>Service
Test</source>
        <translation>Test
serwisowy</translation>
    </message>
</context>
<context>
    <name>HeatersTestingItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation>Test temperatury niedostępny
podczas przetrzymywania.</translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation>Test grzałek</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Anuluj
test</translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation>Test
grzałek</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation>Znaczniki spoza komór</translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation>Nr znacznika</translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation>Nr komory</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation>Wyrejestruj znacznik</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Import Tavolen niedostępny,&lt;br&gt;gdy timery są aktywne!</translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Utrata komunikacji z głównym I/O.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Przekroczony czas konfiguracji głównego I/O.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Błąd konfiguracji głównego I/O.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Zwarcie czujnika temperatury \3.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Przerwa w obwodzie czujnika temperatury \3.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Grzałka \3: za niska temperatura.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Grzałka \3: za wysoka temperatura.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Błąd odniesienia czujnika temperatury \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Błąd zimnego złącza \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Przegrzanie systemu.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Przegrzanie grzałki \3.</translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation>Błąd ZX monitora zasilania.</translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation>Błąd komunikacji monitora zasilania.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Strefa \3 wyłączona. Za niska temperatura.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Strefa \3 wyłączona. Za wysoka temperatura.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Utrata komunikacji z wyświetlaczem dodatkowym.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Utrata komunikacji z wyświetlaczem głównym.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Utrata komunikacji z płytą I/O \3.</translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation>Wykryto nieoczekiwany restart wyświetlacza.</translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation>Nie wykryto napięcia magistrali.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Utrata komunikacji z płytą NFC \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Połączenie odrzucone. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>Zdalny host zamknął połączenie. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Nie znaleziono hosta. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Błąd dostępu do gniazda. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Błąd zasobów gniazda. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Przekroczony czas gniazda.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Za duży datagram. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Błąd sieci. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Adres jest już używany. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Adres gniazda niedostępny. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Nieobsługiwana operacja gniazda. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Proxy wymaga uwierzytelnienia. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Nieudane uzgadnianie SSL. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Niezakończona operacja gniazda. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Proxy odrzuciło połączenie. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Proxy zamknęło połączenie. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Przekroczony czas połączenia z proxy. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Nie znaleziono proxy. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Błąd protokołu proxy. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Błąd operacji. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Wewnętrzny błąd SSL. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Nieprawidłowe dane użytkownika SSL. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Błąd tymczasowy. \3</translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation>Błąd SDK RIOT.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Nie ustawiono obsługi zdarzeń.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Nie ustawiono nazwy domeny.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Brak pliku głównego urzędu CA.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Brak nazwy producenta.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Brak numeru modelu.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Brak numeru seryjnego.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Brak deskryptora urządzenia.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Brak numeru lokalizacji.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Numer seryjny zawiera niedozwolone znaki.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Nieprawidłowy format deskryptora urządzenia.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Brak ID oprogramowania urządzenia.</translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation>Nie udało się zainicjować RIoT.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Publikacja nieudana: temat bez uprawnień.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Subskrypcja nieudana: temat bez uprawnień.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>ID klienta i klucz tajny wygasły lub zostały unieważnione.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Token odświeżania wygasł lub został unieważniony.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Nieoczekiwany niesklasyfikowany błąd.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Ogólny błąd TCP/IP.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Błąd łączenia z gniazdem TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Błąd odczytu z gniazda TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Błąd zapisu do gniazda TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Ogólny błąd HTTP.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Błąd HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Błąd HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>Połączenie MQTT nieudane: błąd nazwy hosta SSL.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>Suma kontrolna pobranego pliku jest niezgodna z podaną.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Nie można zweryfikować podpisu sumy kontrolnej.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>Identyfikator klucza (kid) nie wskazuje żadnego klucza.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Publikacja lub subskrypcja nieudana: brak odpowiedzi na ping.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Inicjalizacja urządzenia nieudana.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Próba połączenia z MQTT przy istniejącym połączeniu.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>Publikacja/subskrypcja MQTT nieudana: rozłączenie lub brak połączenia.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Nieznany błąd MQTT.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Nieznany błąd.</translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Stan rejestracji:&lt;/b&gt; niezarejestrowane</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Stan rejestracji:&lt;/b&gt; rejestrowanie</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Stan certyfikatu:&lt;/b&gt; brak odpowiedzi, ponawianie...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Stan certyfikatu:&lt;/b&gt; zażądano</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Stan certyfikatu:&lt;/b&gt; otrzymano</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Stan certyfikatu:&lt;/b&gt; przekroczony czas żądania</translation>
    </message>
</context>
<context>
    <name>LanguagesPanel</name>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
</context>
<context>
    <name>MasterIoManager</name>
    <message>
        <source>I/O Configuration set timed out</source>
        <translation>Przekroczony czas konfiguracji I/O</translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation>Błąd konfiguracji I/O</translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation>Błąd komunikacji monitora zasilania</translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation>Błąd ZX monitora zasilania</translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation>Surowe temperatury i znaczniki NFC</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation>Łączenie z wyświetlaczem dodatkowym</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Błąd systemu&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Utrata komunikacji z wyświetlaczem dodatkowym.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Utrata komunikacji z wyświetlaczem głównym.</translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation>Sprawdzanie importu Tavolen</translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation>Wczytywanie domyślnej pory dnia</translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation>Sprawdzanie przywracania przetrzymywania</translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation>Oczekiwanie na wyświetlacz główny.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation>&lt;b&gt;Błąd systemu&lt;/b&gt;&lt;br&gt;NIE ZNALEZIONO wyświetlacza dodatkowego!</translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation>Eksport Tavolen</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Eksportuj pliki menu</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Sprawdź pamięć USB</translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation>Aktualizacja &lt;b&gt;Tavolen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Nie znaleziono plików Tavolen!</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation>Wycisz alarm</translation>
    </message>
</context>
<context>
    <name>NameFieldMultilingual</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsItem</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zbyt wiele nieudanych prób.
Wezwij serwis.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Przywrócić domyślną sieć?</translation>
    </message>
    <message>
        <source>Network reset is complete.&lt;br&gt;Reboot the unit</source>
        <translation>Sieć została zresetowana.&lt;br&gt;Uruchom urządzenie ponownie</translation>
    </message>
    <message>
        <source>Network Reset</source>
        <translation>Reset sieci</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</source>
        <translation>&lt;b&gt;Stan rejestracji:&lt;/b&gt; połączono na stałe</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</source>
        <translation>&lt;b&gt;Stan rejestracji:&lt;/b&gt; rozłączono ze stałym połączeniem</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Sieć Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Włączone</translation>
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
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Maska sieci</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Brama domyślna</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Stan certyfikatu:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Stan rejestracji:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation>Nieprawidłowy czas</translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation>&lt;b&gt;Wyświetlacz nieskonfigurowany&lt;/b&gt;&lt;br&gt;Wybierz konfigurację urządzenia.</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Wybierz konfigurację</translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Produkt zostanie usunięty z listy&lt;br&gt;produktów grup(y)</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. przetrzym.</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Temperatura górna</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. produktu</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Temperatura dolna</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Czas przetrzymywania</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Alert dogotowania</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Czas resetu</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Wentylator</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Podział strefy:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Pokrywa:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Pełna</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Z otworami</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Dno:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Zwykłe</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Podwójne</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Kolor:</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Nieprawidłowy czas przetrzymywania!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Nieprawidłowy czas ostrzeżenia!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Nieprawidłowa nazwa produktu!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Nieprawidłowy czas resetu!</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Nieprawidłowa temperatura przetrzymywania!</translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation>Nieprawidłowa prędkość wentylatora!</translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation>Wybierz timer do przeniesienia:</translation>
    </message>
</context>
<context>
    <name>ProductsListPanel</name>
    <message>
        <source>Vented</source>
        <translation>Z otworami</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Pełna</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Podwójne</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Zwykłe</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Usuń grupę</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Usuń produkt</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Puste grupy zostaną usunięte</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Zapisać zmiany?</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Edycja produktów niedostępna,&lt;br&gt;gdy timery są aktywne!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zbyt wiele nieudanych prób.
Wezwij serwis.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Edycja produktów anulowana&lt;br&gt;z powodu aktywnych timerów.</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>id:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. przetrzym.</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Temperatura górna</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. produktu</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Temperatura dolna</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Czas przetrzym.:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Czas ostrzeżenia:</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Wentylator:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Czas resetu:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Pokrywa:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Dno:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Podział strefy:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Pozycje:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Kolor:</translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation>Osiągnięto limit produktów/grup. Nie można dodać nowych!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Usunąć przypisania pór dnia do komór?</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Produkt zostanie usunięty z przypisań&lt;br&gt;pór dnia</translation>
    </message>
    <message>
        <source>Touch a position to choose its product. Touch and hold to clear positions.</source>
        <translation>Dotknij pozycji, aby wybrać produkt. Przytrzymaj, aby wyczyścić pozycje.</translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation>&lt;b&gt;Zresetować konfigurację urządzenia?&lt;/b&gt;&lt;br&gt;Potem trzeba je uruchomić ponownie.</translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation>Test akcesoriów RFID</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Universal Tag</source>
        <translation>Znacznik uniwersalny</translation>
    </message>
</context>
<context>
    <name>SelectTargetModelGroup</name>
    <message>
        <source>Select Model</source>
        <translation>Wybierz model</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation>Nr seryjny</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>Nr modelu</translation>
    </message>
    <message>
        <source>Store #</source>
        <translation>Nr sklepu</translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation>Test grzałek niedostępny,&lt;br&gt;gdy timery są aktywne!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zbyt wiele nieudanych prób.
Wezwij serwis.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Wszystkie panele serwisowe odblokowane!</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>PIN kierownika został zresetowany.</translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation>Testy dźwięku i ekranu</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Wygląd interfejsu</translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Zaimportowano plik Tavolen: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Nieobsługiwana wersja pliku: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Import pliku Tavolen nieudany: </translation>
    </message>
    <message>
        <source>Tavolen Import</source>
        <translation>Import Tavolen</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokalnie</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Nie znaleziono plików Tavolen!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
</context>
<context>
    <name>TrayBar</name>
    <message>
        <source>Product Mismatch</source>
        <translation>Zły produkt</translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation>Niezgodne menu</translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation>Błędna definicja produktu</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Resetować?</translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation>WYRZUĆ!</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Oczekiwanie</translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation>Wygląd interfejsu</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation>Niezapisane zmiany. Zatwierdź lub anuluj przed zablokowaniem.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zbyt wiele nieudanych prób.
Wezwij serwis.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation>Wszystkie panele aktualizacji odblokowane!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>PIN kierownika został zresetowany.</translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Zaimportowano plik Tavolen: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Nieobsługiwana wersja pliku: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Import pliku Tavolen nieudany: </translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation>Wyeksportowano plik Tavolen: </translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation>Eksport pliku Tavolen nieudany!</translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>WifiApSelectDialog</name>
    <message>
        <source>Wifi SSIDs</source>
        <translation>Sieci Wi-Fi</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>MacAddr</source>
        <translation>Adres MAC</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Sygnał</translation>
    </message>
    <message>
        <source>Freq(GHz)</source>
        <translation>Częst. (GHz)</translation>
    </message>
</context>
<context>
    <name>WifiMonitorPanel</name>
    <message>
        <source>Drag across the chart to read a check</source>
        <translation>Przeciągnij po wykresie, by odczytać pomiar</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>połączono</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>brak połączenia</translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation>Monitor Wi-Fi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>Jakość łącza</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Poziom sygnału</translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation>Autozapis</translation>
    </message>
    <message>
        <source>No save</source>
        <translation>Bez zapisu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>pomiarów</translation>
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
        <translation>Hasło</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>skanuj</translation>
    </message>
    <message>
        <source>WPA Enabled</source>
        <translation>WPA włączone</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Tożsamość</translation>
    </message>
</context>
<context>
    <name>ZoneAdvancedOptionsPanel</name>
    <message>
        <source>Exit Row Management?</source>
        <translation>Zakończyć zarządzanie rzędami?</translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation>Błąd strefy: błąd czujnika temperatury</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Utrata komunikacji z wyświetlaczem głównym.</translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation>Utracono komunikację z główną płytą I/O.</translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation>Utrata komunikacji z płytą I/O.</translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation>Błąd strefy: za wysoka temp. B</translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation>Błąd strefy: za niska temp. B.</translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation>Błąd strefy: za wysoka temperatura</translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation>Błąd strefy: za niska temperatura.</translation>
    </message>
</context>
<context>
    <name>ZoneOptionsView</name>
    <message>
        <source>Eco Mode</source>
        <translation>Tryb eko</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>WYŁ.</translation>
    </message>
</context>
<context>
    <name>ZoneView</name>
    <message>
        <source>Cannot start timers until preheat is complete</source>
        <translation>Timery ruszą dopiero po nagrzaniu</translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation>Tryb eko</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>WYŁ.</translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation>Zakończyć tryb eko?</translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation>Włączyć?</translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation>Włączyć tryb eko?</translation>
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
        <translation>P: </translation>
    </message>
    <message>
        <source>U: </source>
        <comment>upper side</comment>
        <translation>G: </translation>
    </message>
    <message>
        <source>L: </source>
        <comment>lower side</comment>
        <translation>D: </translation>
    </message>
    <message>
        <source>F: </source>
        <comment>front side</comment>
        <translation>P: </translation>
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
        <translation>Zapisać wybraną konfigurację?</translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation>Uruchom urządzenie ponownie</translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation>Nieprawidłowy wybór konfiguracji</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation>&lt;b&gt;Błąd systemu&lt;/b&gt;&lt;br&gt;Przegrzanie systemu! Sprawdź, czy w pobliżu nie ma źródła ciepła.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation>&lt;b&gt;Błąd systemu&lt;/b&gt;&lt;br&gt;Przegrzanie grzałki! Wyłącz szafę.</translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation>Przerwa w zasilaniu</translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation>Zachowaj aktywne timery</translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation>Wyczyść aktywne timery</translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation>Trwa aktualizacja oprogramowania...</translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation>Trwa aktualizacja menu...</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Trwa kopia zapasowa systemu.&lt;br&gt;NIE odłączaj USB ani nie wyłączaj urządzenia</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Kopiowanie plików aktualizacji...&lt;br&gt;NIE odłączaj USB ani nie wyłączaj urządzenia</translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation>&lt;b&gt;Oczekiwanie na potwierdzenie&lt;br&gt;przywrócenia przetrzymywania&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation>Rozpoczęto test grzałek</translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation>&lt;b&gt;BŁĄD WYŚWIETLACZA!&lt;/b&gt;&lt;br&gt;Wykryto nieoczekiwany restart wyświetlacza!</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation>&lt;b&gt;Błąd systemu!&lt;/b&gt;&lt;br&gt;Nie wykryto napięcia magistrali!&lt;br&gt;Sprawdź kabel wyświetlacz–I/O</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Błąd systemu:&lt;/b&gt;&lt;br&gt;Przerwane łącze Modbus.</translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation>Wykryto dwa GŁÓWNE ekrany dotykowe. Zmień konfigurację ekranu DODATKOWEGO.</translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation>Wykryto dwa DODATKOWE ekrany dotykowe. Zmień konfigurację ekranu GŁÓWNEGO.</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>Błąd systemu</translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Konfiguracja urządzenia zakończona.&lt;br&gt;Uruchom je ponownie.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Konfiguracja urządzenia zresetowana.&lt;br&gt;Uruchom je ponownie.</translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation>Włączyć tryb czyszczenia?</translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation>Wyczyścić teraz ekran?</translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;Rozpoczęto wykrywanie adresów EOL&lt;/b&gt;</translation>
    </message>
</context>
</TS>
