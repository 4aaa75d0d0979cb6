<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation>&lt;b&gt;ОШИБКА NFC!&lt;/b&gt;&lt;br&gt;Автоопределение лотков отключено!</translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation>Неверный разъём ID!
%1</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation>Январь</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Февраль</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Март</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Апрель</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Июнь</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Июль</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Август</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Октябрь</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Декабрь</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>Вс</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>We</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Сб</translation>
    </message>
</context>
<context>
    <name>CleaningOptionsPanel</name>
    <message>
        <source>Cannot start clean mode with active timer</source>
        <translation>Нельзя начать чистку при активном таймере</translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation>Выйти из режима чистки?</translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation>Можно чистить</translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation>Остывание</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation>Выбор дисплея</translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation>ОСНОВНОЙ дисплей</translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation>ВТОРОЙ дисплей</translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation>ЗЕРКАЛЬНЫЙ дисплей</translation>
    </message>
    <message>
        <source>Single display</source>
        <translation>Один дисплей</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>Серийный №</translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Резервный шкаф № %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Раздаточный шкаф № %1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>Имя не задано</translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation>Конфигурации не найдены</translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation>Выбор набора конфигурации</translation>
    </message>
</context>
<context>
    <name>DayPartEditAssignItem</name>
    <message>
        <source>Vented</source>
        <translation>С отверстиями</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Глухая</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Ложное</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычное</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>id:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Время хранения:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Время предупр.:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Темп. хранения</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Верхняя температура</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Темп. продукта</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Нижняя температура</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Вентилятор:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Время сброса:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Тип крышки:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Тип дна:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Деление зоны:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Позиции:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Цвет:</translation>
    </message>
</context>
<context>
    <name>DayPartEditPanel</name>
    <message>
        <source>Breakfast</source>
        <translation>Завтрак</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Обед/ужин</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Периоды дня</translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation>О платформе</translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation>Все таймеры хранения отменены!</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Утилиты</translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation>Демо-режим включён</translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation>Снимки экрана</translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation>Редактор продуктов</translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation>DEZ RIOT включён</translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation>Мигание при утилизации</translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation>Отразить по вертикали</translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation>Питание: </translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Тест звука</translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation>Тест экрана</translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation>Отменить всё хранение</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Настройка интерфейса</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Импорт/экспорт файлов</translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation>ТЕСТ RFID-АКСЕССУАРОВ</translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation>ТЕСТ НАГРЕВАТЕЛЕЙ</translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation>Ядро:</translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation>Снимки экрана сохранены на USB-накопитель!</translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation>Нет снимков для экспорта!</translation>
    </message>
    <message>
        <source>Wi-Fi Monitor</source>
        <translation>Монитор Wi-Fi</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Очистка всех журналов ошибок</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Продолжить или отменить</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Журнал ошибок</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Дата/время</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Название ошибки</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Число записей: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Первая запись: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Последняя запись: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистить всё</translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation>Импорт / экспорт файлов</translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation>Вставьте USB-накопитель</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Экспорт файлов меню</translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation>Импорт файлов меню</translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation>Экспорт снимков экрана</translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation>Экспорт журнала ошибок</translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation>Экспорт журнала хранения</translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation>Экспорт журналов Wi-Fi</translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation>Экспорт журнала ядра</translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation>Экспорт журналов IoT</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Журнал хранения экспортирован!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Ошибка экспорта журнала хранения!</translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation>Снимки экрана экспортированы!</translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation>Нет снимков для экспорта.</translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation>В группу не добавлены продукты!</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>Недопустимое имя группы!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Отменить?</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Темп. продукта</translation>
    </message>
    <message>
        <source>Upper temperature:</source>
        <translation>Верхняя температура:</translation>
    </message>
    <message>
        <source>Lower temperature:</source>
        <translation>Нижняя температура:</translation>
    </message>
    <message>
        <source>Lid Type:</source>
        <translation>Тип крышки:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Деление зоны:</translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation>Вентилятор:</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Журнал хранения</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Название продукта</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Номер полки</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Утилизировано</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Длительность хранения</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Число записей: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Показать всё</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>HeaterZoneGrid</name>
    <message>
        <source>Invalid fan speed.&lt;br&gt;0 ≤ speed ≥ 100</source>
        <translation>Недопустимая скорость вентилятора.&lt;br&gt;0 ≤ скорость ≥ 100</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>Зона </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
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
        <translation>Тест температуры недоступен
во время хранения.</translation>
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
        <translation>Гц</translation>
    </message>
    <message>
        <source>Tests cancelled. Active timers.</source>
        <translation>Тесты отменены: активны таймеры.</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Диагностика зон</translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Темп. контроля:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Отменить
тест</translation>
    </message>
    <message>
        <source>Service
Test</source>
        <translation>Сервисный
тест</translation>
    </message>
</context>
<context>
    <name>HeatersTestingItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation>Тест температуры недоступен
во время хранения.</translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation>Тест нагревателей</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Отменить
тест</translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation>Тест
нагревателей</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation>Метки вне ячеек</translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation>Метка №</translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation>Ячейка №</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Продукт</translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation>Снять метку с учёта</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Импорт Tavolen недоступен,&lt;br&gt;пока работают таймеры!</translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Потеря связи с главным модулем I/O.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Тайм-аут конфигурации главного I/O.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Ошибка конфигурации главного I/O.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Короткое замыкание датчика температуры \3.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Обрыв датчика температуры \3.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Нагреватель \3: низкая температура.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Нагреватель \3: высокая температура.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Ошибка опорного сигнала датчика температуры \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Ошибка холодного спая \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Перегрев системы.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Перегрев нагревателя \3.</translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation>Ошибка ZX монитора питания.</translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation>Ошибка связи с монитором питания.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Зона \3 отключена. Слишком низкая температура.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Зона \3 отключена. Слишком высокая температура.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Потеря связи со вторым дисплеем.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Потеря связи с основным дисплеем.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Потеря связи с платой I/O \3.</translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation>Обнаружен неожиданный перезапуск дисплея.</translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation>Нет напряжения шины связи.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Потеря связи с платой NFC \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>В соединении отказано. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>Удалённый узел закрыл соединение. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Узел не найден. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Ошибка доступа к сокету. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Ошибка ресурсов сокета. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Тайм-аут сокета.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Слишком большая датаграмма. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Ошибка сети. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Адрес уже используется. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Адрес сокета недоступен. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Неподдерживаемая операция сокета. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Прокси требует аутентификации. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Ошибка SSL-рукопожатия. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Незавершённая операция сокета. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Прокси отклонил соединение. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Прокси закрыл соединение. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Тайм-аут соединения с прокси. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Прокси не найден. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Ошибка протокола прокси. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Ошибка операции. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Внутренняя ошибка SSL. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Неверные данные пользователя SSL. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Временная ошибка. \3</translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation>Ошибка SDK RIOT.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Обработчик событий не задан.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Имя домена не задано.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Файл корневого ЦС пуст.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Не указан производитель.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Не указан номер модели.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Не указан серийный номер.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Нет дескриптора устройства.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Не указан номер точки.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Серийный номер не буквенно-цифровой.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Неверный формат дескриптора устройства.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Не указан ID ПО устройства.</translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation>Не удалось инициализировать RIoT.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Публикация не удалась: тема не разрешена.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Подписка не удалась: тема не разрешена.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>ID клиента и секретный ключ истекли или отозваны.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Токен обновления истёк или отозван.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Непредвиденная неклассифицированная ошибка.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Общая ошибка TCP/IP.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Ошибка подключения к сокету TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Ошибка чтения из сокета TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Ошибка записи в сокет TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Общая ошибка HTTP.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Ошибка HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Ошибка HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>Сбой подключения MQTT: ошибка имени узла SSL.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>Контрольная сумма загруженного файла не совпадает с указанной.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Не удаётся проверить подпись контрольной суммы.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>Идентификатор ключа (kid) ни на что не ссылается.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Сбой публикации или подписки: ошибка ping-запроса.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Ошибка инициализации устройства.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Попытка подключения к MQTT при уже открытом соединении.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>Сбой публикации/подписки MQTT: разрыв или нет соединения.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Неизвестная ошибка MQTT.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Неизвестная ошибка.</translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Регистрация:&lt;/b&gt; не выполнена</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Регистрация:&lt;/b&gt; выполняется</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Сертификат:&lt;/b&gt; тайм-аут запроса, повтор...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Сертификат:&lt;/b&gt; запрошен</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Сертификат:&lt;/b&gt; получен</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Сертификат:&lt;/b&gt; тайм-аут запроса</translation>
    </message>
</context>
<context>
    <name>LanguagesPanel</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
</context>
<context>
    <name>MasterIoManager</name>
    <message>
        <source>I/O Configuration set timed out</source>
        <translation>Тайм-аут настройки I/O</translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation>Ошибка настройки I/O</translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation>Ошибка связи с монитором питания</translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation>Ошибка ZX монитора питания</translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation>Сырые температуры и метки NFC</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation>Связь со вторым дисплеем</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Системная ошибка&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Потеря связи со вторым дисплеем.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Потеря связи с основным дисплеем.</translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation>Проверка импорта Tavolen</translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation>Загрузка периода дня по умолчанию</translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation>Проверка восстановления хранения</translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation>Ожидание основного дисплея.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation>&lt;b&gt;Системная ошибка&lt;/b&gt;&lt;br&gt;Второй дисплей НЕ НАЙДЕН!</translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation>Экспорт Tavolen</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Экспорт файлов меню</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Проверьте USB-накопитель</translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation>Обновление &lt;b&gt;Tavolen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Файлы Tavolen не найдены!</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation>Выключить звук</translation>
    </message>
</context>
<context>
    <name>NameFieldMultilingual</name>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsItem</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Слишком много неудачных попыток.
Вызовите сервис.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN-код</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Сбросить сеть по умолчанию?</translation>
    </message>
    <message>
        <source>Network reset is complete.&lt;br&gt;Reboot the unit</source>
        <translation>Сеть сброшена.&lt;br&gt;Перезапустите устройство</translation>
    </message>
    <message>
        <source>Network Reset</source>
        <translation>Сброс сети</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</source>
        <translation>&lt;b&gt;Регистрация:&lt;/b&gt; постоянное подключение</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</source>
        <translation>&lt;b&gt;Регистрация:&lt;/b&gt; постоянное подключение потеряно</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Сеть Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
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
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Маска сети</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Основной шлюз</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Сертификат:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Регистрация:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation>Неверное время</translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation>&lt;b&gt;Дисплей не настроен&lt;/b&gt;&lt;br&gt;Выберите конфигурацию устройства.</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Выбор конфигурации</translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Продукт будет удалён из списка&lt;br&gt;продуктов группы</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Темп. хранения</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Верхняя температура</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Темп. продукта</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Нижняя температура</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Время хранения</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Сигнал «готовить ещё»</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Время сброса</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Вентилятор</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Деление зоны:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Тип крышки:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Глухая</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>С отверстиями</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Тип дна:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычное</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Ложное</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Цвет:</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Неверное время хранения!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Неверное время предупреждения!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Недопустимое название продукта!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Неверное время сброса!</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Неверная температура хранения!</translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation>Неверная скорость вентилятора!</translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation>Выберите таймер для переноса:</translation>
    </message>
</context>
<context>
    <name>ProductsListPanel</name>
    <message>
        <source>Vented</source>
        <translation>С отверстиями</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Глухая</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Ложное</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычное</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Удалить группу</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Удалить продукт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Пустые группы удаляются</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Редактирование продуктов недоступно,&lt;br&gt;пока работают таймеры!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Слишком много неудачных попыток.
Вызовите сервис.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN-код</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Редактирование продуктов отменено&lt;br&gt;из-за активных таймеров.</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>id:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Темп. хранения</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Верхняя температура</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Темп. продукта</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Нижняя температура</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Время хранения:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Время предупр.:</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Вентилятор:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Время сброса:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Тип крышки:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Тип дна:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Деление зоны:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Позиции:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Цвет:</translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation>Достигнут предел продуктов/групп. Новые добавить нельзя!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Убрать назначения периодов дня ячейкам?</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Продукт будет убран из назначений&lt;br&gt;периодов дня</translation>
    </message>
    <message>
        <source>Touch a position to choose its product. Touch and hold to clear positions.</source>
        <translation>Коснитесь ячейки, чтобы выбрать продукт. Удерживайте, чтобы очистить ячейки.</translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation>&lt;b&gt;Сбросить конфигурацию устройства?&lt;/b&gt;&lt;br&gt;Затем устройство нужно перезапустить.</translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation>Тест RFID-аксессуаров</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Universal Tag</source>
        <translation>Универсальная метка</translation>
    </message>
</context>
<context>
    <name>SelectTargetModelGroup</name>
    <message>
        <source>Select Model</source>
        <translation>Выбор модели</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation>Серийный №</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>Модель №</translation>
    </message>
    <message>
        <source>Store #</source>
        <translation>Ресторан №</translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation>Тест нагревателей недоступен,&lt;br&gt;пока работают таймеры!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Слишком много неудачных попыток.
Вызовите сервис.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN-код</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Все сервисные панели разблокированы!</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>PIN-код менеджера сброшен.</translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation>Тесты звука и экрана</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Настройка интерфейса</translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Файл Tavolen импортирован: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Версия файла не поддерживается: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Ошибка импорта файла Tavolen: </translation>
    </message>
    <message>
        <source>Tavolen Import</source>
        <translation>Импорт Tavolen</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Локально</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Файлы Tavolen не найдены!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>TrayBar</name>
    <message>
        <source>Product Mismatch</source>
        <translation>Не тот продукт</translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation>Меню не совпадает</translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation>Неверное описание продукта</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Сбросить?</translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation>ВЫБРОСИТЬ!</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation>Настройка интерфейса</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation>Есть несохранённые изменения. Примите или отмените их перед блокировкой.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Слишком много неудачных попыток.
Вызовите сервис.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN-код</translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation>Все панели обновления разблокированы!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>PIN-код менеджера сброшен.</translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Файл Tavolen импортирован: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Версия файла не поддерживается: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Ошибка импорта файла Tavolen: </translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation>Файл Tavolen экспортирован: </translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation>Ошибка экспорта файла Tavolen!</translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>WifiApSelectDialog</name>
    <message>
        <source>Wifi SSIDs</source>
        <translation>Сети Wi-Fi</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>MacAddr</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Freq(GHz)</source>
        <translation>Частота (ГГц)</translation>
    </message>
</context>
<context>
    <name>WifiMonitorPanel</name>
    <message>
        <source>Drag across the chart to read a check</source>
        <translation>Проведите по графику, чтобы увидеть замер</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>подключено</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>не подключено</translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation>Монитор Wi-Fi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>Качество связи</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Уровень сигнала</translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation>Автосохранение</translation>
    </message>
    <message>
        <source>No save</source>
        <translation>Без сохранения</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>замеров</translation>
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
        <translation>Пароль</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>поиск</translation>
    </message>
    <message>
        <source>WPA Enabled</source>
        <translation>WPA включён</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Идентификатор</translation>
    </message>
</context>
<context>
    <name>ZoneAdvancedOptionsPanel</name>
    <message>
        <source>Exit Row Management?</source>
        <translation>Выйти из управления рядами?</translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation>Ошибка зоны: ошибка датчика температуры</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Потеря связи с основным дисплеем.</translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation>Потеряна связь с главной платой I/O.</translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation>Потеря связи с платой I/O.</translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation>Ошибка зоны: темп. B слишком высокая</translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation>Ошибка зоны: темп. B слишком низкая.</translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation>Ошибка зоны: слишком высокая температура</translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation>Ошибка зоны: слишком низкая температура.</translation>
    </message>
</context>
<context>
    <name>ZoneOptionsView</name>
    <message>
        <source>Eco Mode</source>
        <translation>Эко-режим</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
</context>
<context>
    <name>ZoneView</name>
    <message>
        <source>Cannot start timers until preheat is complete</source>
        <translation>Таймеры доступны только после разогрева</translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation>Эко-режим</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation>Выйти из эко-режима?</translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation>Включить?</translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation>Включить эко-режим?</translation>
    </message>
</context>
<context>
    <name>heaterDiagnostics</name>
    <message>
        <source>L: </source>
        <comment>left side</comment>
        <translation>Л: </translation>
    </message>
    <message>
        <source>R: </source>
        <comment>right side</comment>
        <translation>П: </translation>
    </message>
    <message>
        <source>U: </source>
        <comment>upper side</comment>
        <translation>В: </translation>
    </message>
    <message>
        <source>L: </source>
        <comment>lower side</comment>
        <translation>Н: </translation>
    </message>
    <message>
        <source>F: </source>
        <comment>front side</comment>
        <translation>П: </translation>
    </message>
    <message>
        <source>B: </source>
        <comment>back side</comment>
        <translation>З: </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Save selected configuration?</source>
        <translation>Сохранить выбранную конфигурацию?</translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation>Перезапустите устройство</translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation>Недопустимый выбор конфигурации</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation>&lt;b&gt;Системная ошибка&lt;/b&gt;&lt;br&gt;Перегрев системы! Проверьте, нет ли рядом источника тепла.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation>&lt;b&gt;Системная ошибка&lt;/b&gt;&lt;br&gt;Перегрев нагревателя! Выключите шкаф.</translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation>Сбой питания</translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation>Сохранить таймеры</translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation>Сбросить таймеры</translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation>Идёт обновление прошивки...</translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation>Идёт обновление меню...</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Идёт резервное копирование.&lt;br&gt;НЕ извлекайте USB и не выключайте устройство</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Копирование файлов обновления...&lt;br&gt;НЕ извлекайте USB и не выключайте устройство</translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ожидание подтверждения&lt;br&gt;восстановления хранения&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation>Тест нагревателей запущен</translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation>&lt;b&gt;ОШИБКА ДИСПЛЕЯ!&lt;/b&gt;&lt;br&gt;Обнаружен неожиданный перезапуск дисплея!</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation>&lt;b&gt;Системная ошибка!&lt;/b&gt;&lt;br&gt;Нет напряжения шины связи!&lt;br&gt;Проверьте кабель дисплей–I/O</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Системная ошибка:&lt;/b&gt;&lt;br&gt;Обрыв связи Modbus.</translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation>Обнаружены два ОСНОВНЫХ сенсорных экрана. Измените конфигурацию ВТОРОГО экрана.</translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation>Обнаружены два ВТОРЫХ сенсорных экрана. Измените конфигурацию ОСНОВНОГО экрана.</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>Системная ошибка</translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Устройство настроено.&lt;br&gt;Перезапустите его.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Конфигурация устройства сброшена.&lt;br&gt;Перезапустите его.</translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation>Включить режим чистки?</translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation>Очистить экран сейчас?</translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;Запущено определение адресов EOL&lt;/b&gt;</translation>
    </message>
</context>
</TS>
