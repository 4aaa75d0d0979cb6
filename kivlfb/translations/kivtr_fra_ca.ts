<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation>&lt;b&gt;ERREUR NFC!&lt;/b&gt;&lt;br&gt;Détection automatique des bacs désactivée!</translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation>Connecteur d&apos;ID non valide!
%1</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>Di</translation>
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
        <translation>Je</translation>
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
        <translation>Nettoyage impossible tant qu&apos;une minuterie est active</translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation>Quitter le mode nettoyage?</translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation>Nettoyage possible</translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation>Refroidissement</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation>Choisir l&apos;écran</translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation>Écran PRINCIPAL</translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation>Écran SECONDAIRE</translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation>Écran MIROIR</translation>
    </message>
    <message>
        <source>Single display</source>
        <translation>Écran unique</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>N° de série</translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Armoire de réserve n° %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Armoire de service n° %1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>Nom non défini</translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation>Aucune configuration trouvée</translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation>Choisir un jeu de configuration</translation>
    </message>
</context>
<context>
    <name>DayPartEditAssignItem</name>
    <message>
        <source>Vented</source>
        <translation>Ventilé</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Plein</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux-fond</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>ID&#xa0;:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Durée de maintien&#xa0;:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Délai d&apos;alerte&#xa0;:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. de maintien</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Température haute</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. produit</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Température basse</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Vitesse du ventilateur&#xa0;:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Délai de réinitialisation&#xa0;:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Couvercle&#xa0;:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Fond&#xa0;:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Division&#xa0;:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Éléments&#xa0;:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>DayPartEditPanel</name>
    <message>
        <source>Breakfast</source>
        <translation>Petit-déjeuner</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Déjeuner/Dîner</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Périodes</translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation>Infos plateforme</translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation>Toutes les minuteries de maintien annulées!</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilitaires</translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation>Mode démo activé</translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation>Activer les captures d&apos;écran</translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation>Modification des produits</translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation>DEZ RIOT activé</translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation>Clignotement « jeter »</translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation>Retournement vertical</translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation>Alimentation&#xa0;: </translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>Test du son</translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation>Test de l&apos;écran</translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation>Annuler tout le maintien</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Personnaliser l&apos;interface</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Import/export de fichiers</translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation>TEST DES ACCESSOIRES RFID</translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation>TEST DES RÉSISTANCES</translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation>Noyau&#xa0;:</translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation>Captures exportées sur la clé USB!</translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation>Aucune capture à exporter!</translation>
    </message>
    <message>
        <source>Wi-Fi Monitor</source>
        <translation>Moniteur Wi-Fi</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Effacement de tous les journaux d&apos;erreurs</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Continuer ou annuler</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Journal des erreurs</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/heure</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Nom de l&apos;erreur</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Nombre d&apos;entrées&#xa0;: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Première entrée&#xa0;: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Dernière entrée&#xa0;: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation>Import / export de fichiers</translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation>Insérez une clé USB</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Exporter les menus</translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation>Importer les menus</translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation>Exporter les captures</translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation>Exporter le journal des erreurs</translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation>Exporter le journal de maintien</translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation>Exporter les journaux Wi-Fi</translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation>Exporter le journal du noyau</translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation>Exporter les journaux IoT</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Journaux de maintien exportés!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Échec de l&apos;export du journal de maintien!</translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation>Captures exportées!</translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation>Aucune capture à exporter.</translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation>Aucun produit dans le groupe!</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>Nom de groupe non valide!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Annuler?</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. produit</translation>
    </message>
    <message>
        <source>Upper temperature:</source>
        <translation>Température haute&#xa0;:</translation>
    </message>
    <message>
        <source>Lower temperature:</source>
        <translation>Température basse&#xa0;:</translation>
    </message>
    <message>
        <source>Lid Type:</source>
        <translation>Couvercle&#xa0;:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Division&#xa0;:</translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation>Vitesse du ventilateur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Journal de maintien</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Nom du produit</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Étagère</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Jeté</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Durée de maintien</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Nombre d&apos;entrées&#xa0;: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>HeaterZoneGrid</name>
    <message>
        <source>Invalid fan speed.&lt;br&gt;0 ≤ speed ≥ 100</source>
        <translation>Vitesse de ventilateur non valide.&lt;br&gt;0 ≤ vitesse ≥ 100</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>Zone </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ARRÊT</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>MARCHE</translation>
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
        <translation>Test de température désactivé
pendant un maintien.</translation>
    </message>
    <message>
        <source>V: </source>
        <translation>U&#xa0;: </translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>I: </source>
        <translation>I&#xa0;: </translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>F: </source>
        <translation>f&#xa0;: </translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Tests cancelled. Active timers.</source>
        <translation>Tests annulés. Minuteries actives.</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnostic des zones</translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Température de régulation&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Annuler
le test</translation>
    </message>
    <message>
        <source>Service
Test</source>
        <translation>Test de
service</translation>
    </message>
</context>
<context>
    <name>HeatersTestingItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation>Test de température désactivé
pendant un maintien.</translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation>Test des résistances</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>Annuler
le test</translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation>Test des
résistances</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation>Étiquettes absentes des compartiments</translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation>N° étiquette</translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation>N° compart.</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation>Désenregistrer l&apos;étiquette</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Import Tavolen indisponible&lt;br&gt;tant que des minuteries sont actives!</translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Perte de communication avec l&apos;E/S maître.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Délai dépassé&#xa0;: config. système de l&apos;E/S maître.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Erreur de config. système de l&apos;E/S maître.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Sonde de température \3 en court-circuit.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Sonde de température \3 ouverte.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Résistance \3&#xa0;: température basse.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Résistance \3&#xa0;: température haute.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Erreur de référence de la sonde \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Erreur de soudure froide \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Surchauffe du système.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Résistance \3&#xa0;: surchauffe.</translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation>Erreur de passage à zéro du moniteur d&apos;alimentation.</translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation>Erreur de communication du moniteur d&apos;alimentation.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zone \3 désactivée. Température trop basse.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zone \3 désactivée. Température trop haute.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Perte de communication avec l&apos;interface secondaire.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Perte de communication avec l&apos;interface principale.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Perte de communication avec la carte E/S \3.</translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation>Redémarrage inattendu de l&apos;interface détecté.</translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation>Tension du bus de communication non détectée.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Perte de communication avec la carte NFC \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Connexion refusée. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>L&apos;hôte distant a fermé la connexion. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Hôte introuvable. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Erreur d&apos;accès au socket. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Erreur de ressources du socket. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Délai du socket dépassé.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagramme trop grand. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Erreur réseau. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Adresse déjà utilisée. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Adresse de socket indisponible. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Opération de socket non prise en charge. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Authentification proxy requise. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Échec de la négociation SSL. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Opération de socket inachevée. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Connexion au proxy refusée. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Connexion au proxy fermée. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Délai de connexion au proxy dépassé. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy introuvable. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Erreur de protocole proxy. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Erreur d&apos;opération. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Erreur SSL interne. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Données utilisateur SSL non valides. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Erreur temporaire. \3</translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation>Erreur du SDK RIOT.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Gestionnaire d&apos;événements non défini.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Nom de domaine non défini.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Fichier d&apos;AC racine absent.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Nom du fabricant manquant.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Numéro de modèle manquant.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Numéro de série manquant.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Descripteur d&apos;appareil manquant.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Numéro d&apos;emplacement manquant.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Le numéro de série n&apos;est pas alphanumérique.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Format du descripteur d&apos;appareil incorrect.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>ID logiciel de l&apos;appareil manquant.</translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation>Échec de l&apos;initialisation de RIoT.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Échec de publication&#xa0;: sujet non autorisé.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Échec d&apos;abonnement&#xa0;: sujet non autorisé.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>ID client et clé secrète expirés ou révoqués.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Jeton d&apos;actualisation expiré ou révoqué.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Erreur inattendue non classée.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Erreur TCP/IP générale.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Erreur de connexion au socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Erreur de lecture du socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Erreur d&apos;écriture sur le socket TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Erreur HTTP générale.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Erreur lors du HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Erreur lors du HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>Échec de connexion MQTT&#xa0;: erreur de nom d&apos;hôte SSL.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>La somme de contrôle du fichier téléchargé ne correspond pas à celle indiquée.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Impossible de valider la signature de la somme de contrôle.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>Erreur&#xa0;: le kid ne référence aucune clé.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Échec de publication ou d&apos;abonnement&#xa0;: échec du ping.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Échec de l&apos;initialisation de l&apos;appareil.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Tentative de connexion MQTT alors qu&apos;une connexion existe déjà.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>Échec de publication/abonnement MQTT&#xa0;: pas de connexion.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Erreur MQTT inconnue.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;État du provisionnement&#xa0;:&lt;/b&gt; Non provisionné</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;État du provisionnement&#xa0;:&lt;/b&gt; En cours</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;État du certificat&#xa0;:&lt;/b&gt; Délai dépassé, nouvel essai...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;État du certificat&#xa0;:&lt;/b&gt; Certificat demandé</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;État du certificat&#xa0;:&lt;/b&gt; Certificat reçu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;État du certificat&#xa0;:&lt;/b&gt; Délai de demande dépassé</translation>
    </message>
</context>
<context>
    <name>LanguagesPanel</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>MasterIoManager</name>
    <message>
        <source>I/O Configuration set timed out</source>
        <translation>Délai dépassé lors de la configuration E/S</translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation>Erreur lors de la configuration E/S</translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation>Erreur de communication du moniteur d&apos;alimentation</translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation>Erreur de passage à zéro du moniteur d&apos;alimentation</translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation>Températures brutes et étiquettes NFC</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation>Communication avec l&apos;interface secondaire</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;Erreur système&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Perte de communication avec l&apos;interface secondaire.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Perte de communication avec l&apos;interface principale.</translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation>Recherche d&apos;un import Tavolen</translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation>Chargement de la période par défaut</translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation>Vérification de la reprise du maintien</translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation>En attente de l&apos;interface principale.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation>&lt;b&gt;Erreur système&lt;/b&gt;&lt;br&gt;Interface secondaire INTROUVABLE!</translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation>Export Tavolen</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Exporter les menus</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Vérifiez la clé USB</translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation>Mise à jour &lt;b&gt;Tavolen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Aucun fichier Tavolen trouvé!</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation>Couper l&apos;alarme</translation>
    </message>
</context>
<context>
    <name>NameFieldMultilingual</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsItem</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Trop de tentatives échouées.
Appelez le service technique.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>NIP</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Rétablir le réseau par défaut?</translation>
    </message>
    <message>
        <source>Network reset is complete.&lt;br&gt;Reboot the unit</source>
        <translation>Réseau rétabli.&lt;br&gt;Redémarrez l&apos;appareil</translation>
    </message>
    <message>
        <source>Network Reset</source>
        <translation>Rétablir le réseau</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</source>
        <translation>&lt;b&gt;État du provisionnement&#xa0;:&lt;/b&gt; Connecté en permanence</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</source>
        <translation>&lt;b&gt;État du provisionnement&#xa0;:&lt;/b&gt; Connexion permanente perdue</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Réseau Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
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
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Masque réseau</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;État du certificat&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;État du provisionnement&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation>Heure non valide</translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation>&lt;b&gt;Écran non configuré&lt;/b&gt;&lt;br&gt;Choisissez la configuration de cet appareil.</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>Choisir la configuration</translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Le produit sera retiré de la liste&lt;br&gt;des produits du ou des groupes</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. de maintien</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Température haute</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. produit</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Température basse</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Durée de maintien</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Alerte « cuire plus »</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Délai de réinitialisation</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Vitesse du ventilateur</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Division&#xa0;:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Couvercle&#xa0;:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Plein</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Ventilé</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Fond&#xa0;:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux-fond</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Durée de maintien non valide!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Délai d&apos;alerte non valide!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Nom de produit non valide!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Délai de réinitialisation non valide!</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Température de maintien non valide!</translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation>Vitesse du ventilateur non valide!</translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation>Choisir la minuterie à transférer&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ProductsListPanel</name>
    <message>
        <source>Vented</source>
        <translation>Ventilé</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Plein</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux-fond</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Supprimer le groupe</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Supprimer le produit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Les groupes vides sont supprimés</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Enregistrer les modifications?</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Modification des produits indisponible&lt;br&gt;tant que des minuteries sont actives!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Trop de tentatives échouées.
Appelez le service technique.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>NIP</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Modification des produits annulée&lt;br&gt;car des minuteries sont actives.</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>ID&#xa0;:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. de maintien</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>Température haute</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. produit</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>Température basse</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>Durée de maintien&#xa0;:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>Délai d&apos;alerte&#xa0;:</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>Vitesse du ventilateur&#xa0;:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>Délai de réinitialisation&#xa0;:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>Couvercle&#xa0;:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>Fond&#xa0;:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>Division&#xa0;:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Éléments&#xa0;:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation>Nombre maximal de produits/groupes atteint. Ajout impossible!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Retirer les affectations de période des compartiments?</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Le produit sera retiré des affectations&lt;br&gt;de période(s)</translation>
    </message>
    <message>
        <source>Touch a position to choose its product. Touch and hold to clear positions.</source>
        <translation>Touchez une position pour choisir son produit. Maintenez appuyé pour vider des positions.</translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation>&lt;b&gt;Réinitialiser la configuration de l&apos;appareil?&lt;/b&gt;&lt;br&gt;L&apos;appareil devra ensuite être redémarré.</translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation>Test des accessoires RFID</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Universal Tag</source>
        <translation>Étiquette universelle</translation>
    </message>
</context>
<context>
    <name>SelectTargetModelGroup</name>
    <message>
        <source>Select Model</source>
        <translation>Choisir le modèle</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>N° de modèle</translation>
    </message>
    <message>
        <source>Store #</source>
        <translation>N° de magasin</translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation>Test des résistances indisponible&lt;br&gt;tant que des minuteries sont actives!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Trop de tentatives échouées.
Appelez le service technique.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>NIP</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Tous les panneaux de service déverrouillés!</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>Le NIP du gérant a été réinitialisé.</translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation>Tests du son et de l&apos;écran</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>Personnaliser l&apos;interface</translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Fichier Tavolen importé&#xa0;: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Version de fichier non prise en charge&#xa0;: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Échec de l&apos;import du fichier Tavolen&#xa0;: </translation>
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
        <translation>Local</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Aucun fichier Tavolen trouvé!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
</context>
<context>
    <name>TrayBar</name>
    <message>
        <source>Product Mismatch</source>
        <translation>Produit non concordant</translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation>Menu non concordant</translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation>Définition de produit non valide</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Réinitialiser?</translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation>JETER!</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation>Personnaliser l&apos;interface</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation>Modifications en attente. Validez ou annulez avant de verrouiller.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Trop de tentatives échouées.
Appelez le service technique.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>NIP</translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation>Tous les panneaux de mise à jour déverrouillés!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>Le NIP du gérant a été réinitialisé.</translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Fichier Tavolen importé&#xa0;: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Version de fichier non prise en charge&#xa0;: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Échec de l&apos;import du fichier Tavolen&#xa0;: </translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation>Fichier Tavolen exporté&#xa0;: </translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation>Échec de l&apos;export du fichier Tavolen!</translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Adr. MAC</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Freq(GHz)</source>
        <translation>Fréq.(GHz)</translation>
    </message>
</context>
<context>
    <name>WifiMonitorPanel</name>
    <message>
        <source>Drag across the chart to read a check</source>
        <translation>Faites glisser sur le graphique pour lire une mesure</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connecté</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non connecté</translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation>Moniteur Wi-Fi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>Qualité du lien</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Niveau du signal</translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation>Enregistrement auto</translation>
    </message>
    <message>
        <source>No save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>mesures</translation>
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
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>rechercher</translation>
    </message>
    <message>
        <source>WPA Enabled</source>
        <translation>WPA activé</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identité</translation>
    </message>
</context>
<context>
    <name>ZoneAdvancedOptionsPanel</name>
    <message>
        <source>Exit Row Management?</source>
        <translation>Quitter la gestion des rangées?</translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation>Erreur de zone&#xa0;: sonde de température</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Perte de communication avec l&apos;interface principale.</translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation>Communication perdue avec la carte E/S principale.</translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation>Communication perdue avec la carte E/S.</translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation>Erreur de zone&#xa0;: temp. B trop haute</translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation>Erreur de zone&#xa0;: temp. B trop basse.</translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation>Erreur de zone&#xa0;: température trop haute</translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation>Erreur de zone&#xa0;: température trop basse.</translation>
    </message>
</context>
<context>
    <name>ZoneOptionsView</name>
    <message>
        <source>Eco Mode</source>
        <translation>Mode Éco</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ARRÊT</translation>
    </message>
</context>
<context>
    <name>ZoneView</name>
    <message>
        <source>Cannot start timers until preheat is complete</source>
        <translation>Minuteries impossibles avant la fin du préchauffage</translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation>Mode Éco</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ARRÊT</translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation>Quitter le mode Éco?</translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation>Mettre en marche?</translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation>Passer en mode Éco?</translation>
    </message>
</context>
<context>
    <name>heaterDiagnostics</name>
    <message>
        <source>L: </source>
        <comment>left side</comment>
        <translation>G&#xa0;: </translation>
    </message>
    <message>
        <source>R: </source>
        <comment>right side</comment>
        <translation>D&#xa0;: </translation>
    </message>
    <message>
        <source>U: </source>
        <comment>upper side</comment>
        <translation>H&#xa0;: </translation>
    </message>
    <message>
        <source>L: </source>
        <comment>lower side</comment>
        <translation>B&#xa0;: </translation>
    </message>
    <message>
        <source>F: </source>
        <comment>front side</comment>
        <translation>Av&#xa0;: </translation>
    </message>
    <message>
        <source>B: </source>
        <comment>back side</comment>
        <translation>Ar&#xa0;: </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Save selected configuration?</source>
        <translation>Enregistrer la configuration choisie?</translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation>Redémarrez l&apos;appareil</translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation>Choix de configuration non valide</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation>&lt;b&gt;Erreur système&lt;/b&gt;&lt;br&gt;Surchauffe du système! Cherchez une source de chaleur à proximité.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation>&lt;b&gt;Erreur système&lt;/b&gt;&lt;br&gt;Surchauffe d&apos;une résistance! Éteignez l&apos;armoire.</translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation>Coupure de courant</translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation>Garder les minuteries</translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation>Effacer les minuteries</translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation>Mise à jour du micrologiciel...</translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation>Mise à jour du menu...</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Sauvegarde du système en cours.&lt;br&gt;NE PAS retirer la clé USB ni éteindre l&apos;appareil</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Copie des fichiers du micrologiciel...&lt;br&gt;NE PAS retirer la clé USB ni éteindre l&apos;appareil</translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation>&lt;b&gt;En attente de confirmation&lt;br&gt;de la reprise du maintien&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation>Test des résistances lancé</translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation>&lt;b&gt;ERREUR D&apos;INTERFACE!&lt;/b&gt;&lt;br&gt;Redémarrage inattendu détecté!</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation>&lt;b&gt;Erreur système!&lt;/b&gt;&lt;br&gt;Tension du bus de communication absente!&lt;br&gt;Vérifiez le câble interface–E/S</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Erreur système&#xa0;:&lt;/b&gt;&lt;br&gt;Liaison Modbus rompue.</translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation>Deux écrans tactiles PRINCIPAUX détectés. Modifiez la configuration de l&apos;écran SECONDAIRE.</translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation>Deux écrans tactiles SECONDAIRES détectés. Modifiez la configuration de l&apos;écran PRINCIPAL.</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>Erreur système</translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Appareil configuré avec succès.&lt;br&gt;Redémarrez l&apos;appareil.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configuration de l&apos;appareil réinitialisée.&lt;br&gt;Redémarrez l&apos;appareil.</translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation>Passer en mode nettoyage?</translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation>Nettoyer l&apos;écran maintenant?</translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;Détection d&apos;adresse EOL lancée&lt;/b&gt;</translation>
    </message>
</context>
</TS>
