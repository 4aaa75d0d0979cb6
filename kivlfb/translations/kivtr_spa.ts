<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation>&lt;b&gt;¡ERROR DE NFC!&lt;/b&gt;&lt;br&gt;¡Detección automática de bandejas desactivada!</translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation>¡Conector de ID no válido!
%1</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
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
        <translation>Mi</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Ju</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Vi</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sá</translation>
    </message>
</context>
<context>
    <name>CleaningOptionsPanel</name>
    <message>
        <source>Cannot start clean mode with active timer</source>
        <translation>No se puede iniciar la limpieza con un temporizador activo</translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation>¿Salir del modo de limpieza?</translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation>Listo para limpiar</translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation>Enfriando</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation>Seleccionar pantalla</translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation>Pantalla PRINCIPAL</translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation>Pantalla SECUNDARIA</translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation>Pantalla ESPEJO</translation>
    </message>
    <message>
        <source>Single display</source>
        <translation>Pantalla única</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>N.º de serie</translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Armario de reserva n.º %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Armario de servicio n.º %1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>Nombre no definido</translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation>No se encontraron configuraciones</translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation>Seleccionar conjunto de configuración</translation>
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
        <translation>Sólida</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Doble fondo</translation>
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
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Tiempo de mantenimiento:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Tiempo de aviso:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. de mantenimiento</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Temperatura superior</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. del producto</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Temperatura inferior</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Velocidad del ventilador:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Tiempo de reinicio:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Tipo de tapa:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Tipo de fondo:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>División:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Elementos:</translation>
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
        <translation>Desayuno</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Comida/Cena</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Franjas horarias</translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation>Información de la plataforma</translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation>¡Todos los temporizadores de mantenimiento cancelados!</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilidades</translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation>Modo demo activado</translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation>Activar capturas de pantalla</translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation>Edición de productos</translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation>DEZ RIOT activado</translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation>Parpadeo al desechar</translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation>Fuente de alimentación: </translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Prueba de sonido</translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation>Prueba de pantalla</translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation>Cancelar todo el mantenimiento</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Personalizar interfaz</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Importar/exportar archivos</translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation>PRUEBA DE ACCESORIOS RFID</translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation>PRUEBA DE RESISTENCIAS</translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation>Kernel:</translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation>¡Capturas exportadas a la memoria USB!</translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation>¡No hay capturas para exportar!</translation>
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
        <translation>Borrando todos los registros de errores</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Continuar o cancelar</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Registro de errores</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Fecha/hora</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Nombre del error</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Número de registros: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Primer registro: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Último registro: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation>Importar / exportar archivos</translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation>Inserte una memoria USB</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Exportar archivos de menú</translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation>Importar archivos de menú</translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation>Exportar capturas</translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation>Exportar registro de errores</translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation>Exportar reg. de mantenimiento</translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation>Exportar registros Wi-Fi</translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation>Exportar registro del kernel</translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation>Exportar registros IoT</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>¡Registros de mantenimiento exportados!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>¡Error al exportar el registro de mantenimiento!</translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation>¡Capturas exportadas!</translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation>No hay capturas para exportar.</translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation>¡No se añadieron productos al grupo!</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>¡Nombre de grupo no válido!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>¿Cancelar?</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. del producto</translation>
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
        <translation>Tipo de tapa:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>División:</translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation>Velocidad del ventilador:</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Registro de mantenimiento</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Nombre del producto</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Estante</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Desechado</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Número de registros: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>Velocidad de ventilador no válida.&lt;br&gt;0 ≤ velocidad ≥ 100</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>Zona </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>APAG.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ENC.</translation>
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
        <translation>Prueba de temperatura desactivada
con mantenimiento activo.</translation>
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
        <translation>Pruebas canceladas. Temporizadores activos.</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnóstico de zonas</translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Temperatura de control:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Cancelar
prueba</translation>
    </message>
    <message>
        <source>Service
Test</source>
        <translation>Prueba de
servicio</translation>
    </message>
</context>
<context>
    <name>HeatersTestingItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation>Prueba de temperatura desactivada
con mantenimiento activo.</translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation>Prueba de resistencias</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Cancelar
prueba</translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation>Prueba de
resistencias</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation>Etiquetas no encontradas en los compartimentos</translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation>N.º etiqueta</translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation>N.º compart.</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation>Dar de baja etiqueta</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation>¡Importación de Tavolen no disponible&lt;br&gt;con temporizadores activos!</translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Pérdida de comunicación con la E/S maestra.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Tiempo agotado en config. del sistema de E/S maestra.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Error de config. del sistema de E/S maestra.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Sensor de temperatura \3 en cortocircuito.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Sensor de temperatura \3 abierto.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Resistencia \3: temperatura baja.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Resistencia \3: temperatura alta.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Error de referencia del sensor de temperatura \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Error de unión fría \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Sobretemperatura del sistema.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Resistencia \3: sobretemperatura.</translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation>Error de paso por cero del monitor de energía.</translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation>Error de comunicación del monitor de energía.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zona \3 desactivada. Temperatura demasiado baja.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zona \3 desactivada. Temperatura demasiado alta.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Pérdida de comunicación con la interfaz secundaria.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Pérdida de comunicación con la interfaz principal.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Pérdida de comunicación con la placa de E/S \3.</translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation>Reinicio inesperado de la interfaz detectado.</translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation>No se detecta tensión en el bus de comunicación.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Pérdida de comunicación con la placa NFC \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Conexión rechazada. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>El host remoto cerró la conexión. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Host no encontrado. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Error de acceso al socket. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Error de recursos del socket. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Tiempo de espera del socket agotado.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagrama demasiado grande. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Error de red. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Dirección en uso. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Dirección de socket no disponible. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Operación de socket no admitida. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Se requiere autenticación del proxy. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Falló el protocolo de enlace SSL. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Operación de socket sin terminar. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Conexión al proxy rechazada. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Conexión al proxy cerrada. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Tiempo de conexión al proxy agotado. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy no encontrado. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Error de protocolo del proxy. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Error de operación. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Error interno de SSL. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Datos de usuario SSL no válidos. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Error temporal. \3</translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation>Error del SDK de RIOT.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Controlador de eventos no definido.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Nombre de dominio no definido.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Falta el archivo de CA raíz.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Falta el nombre del fabricante.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Falta el número de modelo.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Falta el número de serie.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Falta el descriptor del dispositivo.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Falta el número de ubicación.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>El número de serie no es alfanumérico.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Formato del descriptor del dispositivo incorrecto.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Falta el ID de software del dispositivo.</translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation>Error al inicializar RIoT.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Error al publicar: tema no autorizado.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Error al suscribir: tema no autorizado.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>ID y clave secreta del cliente caducados o revocados.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Token de actualización caducado o revocado.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Error inesperado sin clasificar.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Error general de TCP/IP.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Error al conectar con el socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Error al leer del socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Error al escribir en el socket TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Error general de HTTP.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Error en HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Error en HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>Error de conexión MQTT: nombre de host SSL incorrecto.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>La suma de comprobación del archivo descargado no coincide con la indicada.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>No se puede validar la firma de la suma de comprobación.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>Error: el kid no hace referencia a ninguna clave.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Error al publicar o suscribir: falló la solicitud de ping.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Error en la inicialización del dispositivo.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Intento de conexión MQTT con una conexión ya existente.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>Error al publicar/suscribir MQTT: sin conexión.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Error MQTT desconocido.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Error desconocido.</translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Estado de aprovisionamiento:&lt;/b&gt; Sin aprovisionar</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Estado de aprovisionamiento:&lt;/b&gt; Aprovisionando</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Estado del certificado:&lt;/b&gt; Tiempo agotado, reintentando...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Estado del certificado:&lt;/b&gt; Certificado solicitado</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Estado del certificado:&lt;/b&gt; Certificado recibido</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Estado del certificado:&lt;/b&gt; Tiempo de solicitud agotado</translation>
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
        <translation>Tiempo agotado al configurar la E/S</translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation>Error al configurar la E/S</translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation>Error de comunicación del monitor de energía</translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation>Error de paso por cero del monitor de energía</translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation>Temperaturas y etiquetas NFC en bruto</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation>Comunicando con la interfaz secundaria</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Error del sistema&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Pérdida de comunicación con la interfaz secundaria.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Pérdida de comunicación con la interfaz principal.</translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation>Buscando importación de Tavolen</translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation>Cargando franja horaria predeterminada</translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation>Comprobando restauración del mantenimiento</translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation>Esperando la interfaz principal.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation>&lt;b&gt;Error del sistema&lt;/b&gt;&lt;br&gt;¡Interfaz secundaria NO ENCONTRADA!</translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation>Exportación de Tavolen</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Exportar archivos de menú</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Compruebe la memoria USB</translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation>Actualización de &lt;b&gt;Tavolen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>¡No se encontraron archivos de Tavolen!</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation>Silenciar alarma</translation>
    </message>
</context>
<context>
    <name>NameFieldMultilingual</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsItem</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiados intentos fallidos.
Llame al servicio técnico.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>¿Restablecer la red predeterminada?</translation>
    </message>
    <message>
        <source>Network reset is complete.&lt;br&gt;Reboot the unit</source>
        <translation>Red restablecida.&lt;br&gt;Reinicie la unidad</translation>
    </message>
    <message>
        <source>Network Reset</source>
        <translation>Restablecer red</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</source>
        <translation>&lt;b&gt;Estado de aprovisionamiento:&lt;/b&gt; Conectado de forma permanente</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</source>
        <translation>&lt;b&gt;Estado de aprovisionamiento:&lt;/b&gt; Desconectado de forma permanente</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Red Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activada</translation>
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
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Máscara de red</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Estado del certificado:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Estado de aprovisionamiento:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation>Hora no válida</translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation>&lt;b&gt;Pantalla sin configurar&lt;/b&gt;&lt;br&gt;Seleccione la configuración de esta unidad.</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Seleccionar configuración</translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>El producto se quitará de la lista&lt;br&gt;de productos del grupo o grupos</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. de mantenimiento</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Temperatura superior</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. del producto</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Temperatura inferior</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Tiempo de mantenimiento</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Aviso de cocinar más</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Tiempo de reinicio</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Velocidad del ventilador</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>División:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Tipo de tapa:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Sólida</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Ventilada</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Tipo de fondo:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Doble fondo</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>¡Tiempo de mantenimiento no válido!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>¡Tiempo de aviso no válido!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>¡Nombre de producto no válido!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>¡Tiempo de reinicio no válido!</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>¡Temperatura de mantenimiento no válida!</translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation>¡Velocidad del ventilador no válida!</translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation>Seleccione el temporizador a transferir:</translation>
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
        <translation>Sólida</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Doble fondo</translation>
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
        <translation>Eliminar producto</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Los grupos vacíos se eliminan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>¡Edición de productos no disponible&lt;br&gt;con temporizadores activos!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiados intentos fallidos.
Llame al servicio técnico.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Edición de productos cancelada&lt;br&gt;por temporizadores activos.</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. de mantenimiento</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Temperatura superior</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. del producto</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Temperatura inferior</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Tiempo de mantenimiento:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Tiempo de aviso:</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Velocidad del ventilador:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Tiempo de reinicio:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Tipo de tapa:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Tipo de fondo:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>División:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Elementos:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation>Máximo de productos/grupos alcanzado. ¡No se pueden añadir más!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>¿Quitar las asignaciones de franja horaria de los compartimentos?</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>El producto se quitará de las asignaciones&lt;br&gt;de franjas horarias</translation>
    </message>
    <message>
        <source>Touch a position to choose its product. Touch and hold to clear positions.</source>
        <translation>Toque una posición para elegir su producto. Manténgala pulsada para vaciar posiciones.</translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation>&lt;b&gt;¿Restablecer la configuración de la unidad?&lt;/b&gt;&lt;br&gt;Después habrá que reiniciar la unidad.</translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation>Prueba de accesorios RFID</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Seleccionar modelo</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation>N.º de serie</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>N.º de modelo</translation>
    </message>
    <message>
        <source>Store #</source>
        <translation>N.º de tienda</translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation>¡Prueba de resistencias no disponible&lt;br&gt;con temporizadores activos!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiados intentos fallidos.
Llame al servicio técnico.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>¡Todos los paneles de servicio desbloqueados!</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>Se restableció el PIN del gerente.</translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation>Pruebas de sonido y pantalla</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Personalizar interfaz</translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Archivo de Tavolen importado: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Versión de archivo no admitida: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Error al importar el archivo de Tavolen: </translation>
    </message>
    <message>
        <source>Tavolen Import</source>
        <translation>Importación de Tavolen</translation>
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
        <translation>¡No se encontraron archivos de Tavolen!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>TrayBar</name>
    <message>
        <source>Product Mismatch</source>
        <translation>Producto no coincide</translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation>Menú no coincide</translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation>Definición de producto no válida</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>¿Reiniciar?</translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation>¡DESECHAR!</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation>Personalizar interfaz</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation>Cambios pendientes. Acéptelos o cancélelos antes de bloquear.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiados intentos fallidos.
Llame al servicio técnico.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation>¡Todos los paneles de actualización desbloqueados!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>Se restableció el PIN del gerente.</translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Archivo de Tavolen importado: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Versión de archivo no admitida: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Error al importar el archivo de Tavolen: </translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation>Archivo de Tavolen exportado: </translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation>¡Error al exportar el archivo de Tavolen!</translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Dir. MAC</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>Freq(GHz)</source>
        <translation>Frec.(GHz)</translation>
    </message>
</context>
<context>
    <name>WifiMonitorPanel</name>
    <message>
        <source>Drag across the chart to read a check</source>
        <translation>Arrastre sobre el gráfico para leer una medición</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectado</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>no conectado</translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation>Monitor Wi-Fi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>Calidad del enlace</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Nivel de señal</translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation>Guardado automático</translation>
    </message>
    <message>
        <source>No save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>mediciones</translation>
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
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>buscar</translation>
    </message>
    <message>
        <source>WPA Enabled</source>
        <translation>WPA activado</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identidad</translation>
    </message>
</context>
<context>
    <name>ZoneAdvancedOptionsPanel</name>
    <message>
        <source>Exit Row Management?</source>
        <translation>¿Salir de la gestión de filas?</translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation>Error de zona: sensor de temperatura</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Pérdida de comunicación con la interfaz principal.</translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation>Comunicación perdida con la placa de E/S principal.</translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation>Comunicación perdida con la placa de E/S.</translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation>Error de zona: temp. B demasiado alta</translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation>Error de zona: temp. B demasiado baja.</translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation>Error de zona: temperatura demasiado alta</translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation>Error de zona: temperatura demasiado baja.</translation>
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
        <translation>APAG.</translation>
    </message>
</context>
<context>
    <name>ZoneView</name>
    <message>
        <source>Cannot start timers until preheat is complete</source>
        <translation>No se pueden iniciar temporizadores hasta terminar el precalentamiento</translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation>Modo Eco</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>APAG.</translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation>¿Salir del modo Eco?</translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation>¿Encender?</translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation>¿Entrar en modo Eco?</translation>
    </message>
</context>
<context>
    <name>heaterDiagnostics</name>
    <message>
        <source>L: </source>
        <comment>left side</comment>
        <translation>I: </translation>
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
        <translation>¿Guardar la configuración seleccionada?</translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation>Reinicie la unidad</translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation>Selección de configuración no válida</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation>&lt;b&gt;Error del sistema&lt;/b&gt;&lt;br&gt;¡Sobretemperatura del sistema! Busque fuentes de calor cercanas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation>&lt;b&gt;Error del sistema&lt;/b&gt;&lt;br&gt;¡Sobretemperatura de la resistencia! Apague el armario.</translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation>Corte de energía</translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation>Conservar temporizadores</translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation>Borrar temporizadores</translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation>Actualizando firmware...</translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation>Actualizando menú...</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Copia de seguridad en curso.&lt;br&gt;NO desconecte el USB ni apague la unidad</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Copiando archivos de firmware...&lt;br&gt;NO desconecte el USB ni apague la unidad</translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation>&lt;b&gt;Esperando confirmación&lt;br&gt;de la restauración&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation>Prueba de resistencias iniciada</translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation>&lt;b&gt;¡ERROR DE INTERFAZ!&lt;/b&gt;&lt;br&gt;¡Reinicio inesperado detectado!</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation>&lt;b&gt;¡Error del sistema!&lt;/b&gt;&lt;br&gt;¡No se detecta tensión en el bus de comunicación!&lt;br&gt;Revise el cable entre interfaz y E/S</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Error del sistema:&lt;/b&gt;&lt;br&gt;Enlace Modbus interrumpido.</translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation>Se detectaron dos pantallas PRINCIPALES. Cambie la configuración de la pantalla SECUNDARIA.</translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation>Se detectaron dos pantallas SECUNDARIAS. Cambie la configuración de la pantalla PRINCIPAL.</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>Error del sistema</translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Unidad configurada correctamente.&lt;br&gt;Reinicie la unidad.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configuración de la unidad restablecida.&lt;br&gt;Reinicie la unidad.</translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation>¿Entrar en modo de limpieza?</translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation>¿Limpiar la pantalla ahora?</translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;Detección de dirección EOL iniciada&lt;/b&gt;</translation>
    </message>
</context>
</TS>
