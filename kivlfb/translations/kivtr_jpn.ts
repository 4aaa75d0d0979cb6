<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation>&lt;b&gt;NFCエラー！&lt;/b&gt;&lt;br&gt;トレイ自動検出は無効です！</translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation>IDコネクタが不正です！
%1</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>火</translation>
    </message>
    <message>
        <source>We</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>土</translation>
    </message>
</context>
<context>
    <name>CleaningOptionsPanel</name>
    <message>
        <source>Cannot start clean mode with active timer</source>
        <translation>タイマー作動中は清掃モードを開始できません</translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation>清掃モードを終了しますか？</translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation>清掃できます</translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation>冷却中</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation>画面を選択</translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation>メイン画面</translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation>サブ画面</translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation>ミラー画面</translation>
    </message>
    <message>
        <source>Single display</source>
        <translation>単一画面</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>シリアル番号</translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>予備キャビネット %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>提供用キャビネット %1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>名前未設定</translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation>構成が見つかりません</translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation>構成セットを選択</translation>
    </message>
</context>
<context>
    <name>DayPartEditAssignItem</name>
    <message>
        <source>Vented</source>
        <translation>通気</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>密閉</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>False</source>
        <translation>上げ底</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>id：</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>保温時間：</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>警告時間：</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>保温温度</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>上部温度</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>商品温度</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>下部温度</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>ファン速度：</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>リセット時間：</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>フタの種類：</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>底の種類：</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>ゾーン分割：</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>項目：</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>色：</translation>
    </message>
</context>
<context>
    <name>DayPartEditPanel</name>
    <message>
        <source>Breakfast</source>
        <translation>朝食</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>昼食/夕食</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>時間帯</translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation>プラットフォーム情報</translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation>すべての保温タイマーを取り消しました！</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>ユーティリティ</translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation>デモモード有効</translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation>スクリーンショット有効</translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation>商品編集</translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation>DEZ RIOT 有効</translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation>廃棄時に点滅</translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation>電源：</translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>サウンドテスト</translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation>画面テスト</translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation>すべての保温を取消</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>画面カスタマイズ</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>ファイルのインポート/エクスポート</translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation>RFIDアクセサリテスト</translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation>ヒーターテスト</translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation>カーネル：</translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation>スクリーンショットをUSBメモリにエクスポートしました！</translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation>エクスポートするスクリーンショットがありません！</translation>
    </message>
    <message>
        <source>Wi-Fi Monitor</source>
        <translation>Wi-Fiモニター</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>すべてのエラーログを消去</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>続行またはキャンセル</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>エラーログ</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>日付/時刻</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>エラー名</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>記録数：</translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>最初の記録：</translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>最後の記録：</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべて消去</translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation>ファイルのインポート / エクスポート</translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation>USBメモリを挿入してください</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>メニューファイルをエクスポート</translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation>メニューファイルをインポート</translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation>スクリーンショットをエクスポート</translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation>エラーログをエクスポート</translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation>保温ログをエクスポート</translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation>Wi-Fiログをエクスポート</translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation>カーネルログをエクスポート</translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation>IoTログをエクスポート</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>保温ログをエクスポートしました！</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>保温ログのエクスポートに失敗しました！</translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation>スクリーンショットをエクスポートしました！</translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation>エクスポートするスクリーンショットがありません。</translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation>グループに商品がありません！</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>グループ名が不正です！</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>キャンセル？</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>商品温度</translation>
    </message>
    <message>
        <source>Upper temperature:</source>
        <translation>上部温度：</translation>
    </message>
    <message>
        <source>Lower temperature:</source>
        <translation>下部温度：</translation>
    </message>
    <message>
        <source>Lid Type:</source>
        <translation>フタの種類：</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>ゾーン分割：</translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation>ファン速度：</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>保温ログ</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>商品名</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>棚番号</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>廃棄済み</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>保温時間</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>記録数：</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>すべて表示</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>HeaterZoneGrid</name>
    <message>
        <source>Invalid fan speed.&lt;br&gt;0 ≤ speed ≥ 100</source>
        <translation>ファン速度が不正です。&lt;br&gt;0 ≤ 速度 ≥ 100</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>ゾーン </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>オン</translation>
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
        <translation>保温中は
温度テストを実行できません。</translation>
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
        <translation>テストを中止しました。タイマー作動中です。</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>ゾーン診断</translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation>&lt;b&gt;制御温度：&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>テスト
中止</translation>
    </message>
    <message>
        <source>Service
Test</source>
        <translation>サービス
テスト</translation>
    </message>
</context>
<context>
    <name>HeatersTestingItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation>保温中は
温度テストを実行できません。</translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation>ヒーターテスト</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>テスト
中止</translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation>ヒーター
テスト</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation>スロットにないタグ</translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation>タグ番号</translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation>スロット番号</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>商品</translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation>タグ登録解除</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation>タイマー作動中は&lt;br&gt;Tavolenをインポートできません！</translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>メインI/Oとの通信が途絶えました。</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>メインI/Oのシステム設定がタイムアウトしました。</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>メインI/Oのシステム設定エラー。</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>温度センサー \3 短絡。</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>温度センサー \3 断線。</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>ヒーター \3 低温エラー。</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>ヒーター \3 高温エラー。</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>温度センサー \3 基準エラー。</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>冷接点 \3 エラー。</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>システム過熱エラー。</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>ヒーター \3 過熱エラー。</translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation>電源モニターZXエラー。</translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation>電源モニター通信エラー。</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>ゾーン \3 無効。温度が低すぎます。</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>ゾーン \3 無効。温度が高すぎます。</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>サブ画面との通信が途絶えました。</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>メイン画面との通信が途絶えました。</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>I/Oボード \3 との通信が途絶えました。</translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation>画面の予期しない再起動を検出しました。</translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation>通信バス電圧を検出できません。</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>NFCボード \2 との通信が途絶えました。</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>接続が拒否されました。\3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>リモートホストが接続を閉じました。\3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>ホストが見つかりません。\3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>ソケットアクセスエラー。\3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>ソケットリソースエラー。\3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>ソケットタイムアウト。</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>データグラムが大きすぎます。\3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>ネットワークエラー。\3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>アドレスは使用中です。\3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>ソケットアドレスを使用できません。\3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>サポートされないソケット操作。\3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>プロキシ認証が必要です。\3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>SSLハンドシェイクに失敗しました。\3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>ソケット操作が未完了です。\3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>プロキシが接続を拒否しました。\3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>プロキシが接続を閉じました。\3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>プロキシ接続がタイムアウトしました。\3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>プロキシが見つかりません。\3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>プロキシプロトコルエラー。\3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>操作エラー。\3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>SSL内部エラー。\3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>SSLユーザーデータが不正です。\3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>一時的なエラー。\3</translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation>RIOT SDKエラー。</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>イベントハンドラーが未設定です。</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>ドメイン名が未設定です。</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>ルートCAファイルが空です。</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>メーカー名がありません。</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>型番がありません。</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>シリアル番号がありません。</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>デバイス記述子がありません。</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>店舗番号がありません。</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>シリアル番号が英数字ではありません。</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>デバイス記述子の形式が不正です。</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>デバイスのソフトウェアIDがありません。</translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation>RIoTの初期化に失敗しました。</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>未許可のトピックのため発行できません。</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>未許可のトピックのため購読できません。</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>クライアントIDとシークレットキーが期限切れか失効しています。</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>リフレッシュトークンが期限切れか失効しています。</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>予期しない未分類のエラー。</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>TCP/IPの一般エラー。</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>TCP/IPソケットへの接続エラー。</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>TCP/IPソケットの読み取りエラー。</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>TCP/IPソケットの書き込みエラー。</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>HTTPの一般エラー。</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>HTTP GETエラー。</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>HTTP POSTエラー。</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>SSLホスト名エラーのためMQTT接続に失敗しました。</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>ダウンロードしたファイルのチェックサムが指定値と一致しません。</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>チェックサムの署名を検証できません。</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>キーID（kid）が参照先を持ちません。</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>pingリクエスト失敗のため発行または購読に失敗しました。</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>デバイスの初期化に失敗しました。</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>接続済みの状態でMQTTに接続しようとしました。</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>切断または接続失敗のためMQTTの発行/購読に失敗しました。</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>不明なMQTTエラー。</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>不明なエラー。</translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;プロビジョニング状態：&lt;/b&gt;未登録</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;プロビジョニング状態：&lt;/b&gt;登録中</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;証明書の状態：&lt;/b&gt;要求タイムアウト、再試行中...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;証明書の状態：&lt;/b&gt;要求済み</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;証明書の状態：&lt;/b&gt;受信済み</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;証明書の状態：&lt;/b&gt;要求タイムアウト</translation>
    </message>
</context>
<context>
    <name>LanguagesPanel</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
</context>
<context>
    <name>MasterIoManager</name>
    <message>
        <source>I/O Configuration set timed out</source>
        <translation>I/O設定がタイムアウトしました</translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation>I/O設定エラー</translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation>電源モニター通信エラー</translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation>電源モニターZXエラー</translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation>生温度とNFCタグの監視</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation>サブ画面と通信中</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;システムエラー&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>サブ画面との通信が途絶えました。</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>メイン画面との通信が途絶えました。</translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation>Tavolenのインポートを確認中</translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation>既定の時間帯を読み込み中</translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation>保温の復元を確認中</translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation>メイン画面を待っています。</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation>&lt;b&gt;システムエラー&lt;/b&gt;&lt;br&gt;サブ画面が見つかりません！</translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation>Tavolenエクスポート</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>メニューファイルをエクスポート</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>USBメモリを確認してください</translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation>&lt;b&gt;Tavolen&lt;/b&gt;更新</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Tavolenファイルが見つかりません！</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation>アラーム停止</translation>
    </message>
</context>
<context>
    <name>NameFieldMultilingual</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsItem</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失敗回数が多すぎます。
サービスに連絡してください。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>既定のネットワークに戻しますか？</translation>
    </message>
    <message>
        <source>Network reset is complete.&lt;br&gt;Reboot the unit</source>
        <translation>ネットワークをリセットしました。&lt;br&gt;本体を再起動してください</translation>
    </message>
    <message>
        <source>Network Reset</source>
        <translation>ネットワークリセット</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</source>
        <translation>&lt;b&gt;プロビジョニング状態：&lt;/b&gt;常時接続中</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</source>
        <translation>&lt;b&gt;プロビジョニング状態：&lt;/b&gt;常時接続が切断されました</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Wi-Fiネットワーク</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
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
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;証明書の状態：&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;プロビジョニング状態：&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定値</translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation>時間の値が不正です</translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation>&lt;b&gt;画面が未設定です&lt;/b&gt;&lt;br&gt;本体の構成を選択してください。</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>構成を選択</translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>商品はグループの&lt;br&gt;商品一覧から削除されます</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>保温温度</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>上部温度</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>商品温度</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>下部温度</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>保温時間</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>追加調理アラート</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>リセット時間</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>ファン速度</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>ゾーン分割：</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>フタの種類：</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>密閉</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>通気</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>底の種類：</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>False</source>
        <translation>上げ底</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>色：</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>保温時間が不正です！</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>警告時間が不正です！</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>商品名が不正です！</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>リセット時間が不正です！</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>保温温度が不正です！</translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation>ファン速度が不正です！</translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation>移動するタイマーを選択：</translation>
    </message>
</context>
<context>
    <name>ProductsListPanel</name>
    <message>
        <source>Vented</source>
        <translation>通気</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>密閉</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>False</source>
        <translation>上げ底</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>グループ削除</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>商品削除</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>空のグループは削除されます</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>変更を保存しますか？</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>タイマー作動中は&lt;br&gt;商品を編集できません！</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失敗回数が多すぎます。
サービスに連絡してください。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>タイマー作動中のため&lt;br&gt;商品編集を取り消しました。</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>id：</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>保温温度</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>上部温度</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>商品温度</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>下部温度</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>保温時間：</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>警告時間：</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>ファン速度：</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>リセット時間：</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>フタの種類：</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>底の種類：</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>ゾーン分割：</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>項目：</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>色：</translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation>商品/グループが上限に達しました。追加できません！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>外す</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>スロットの時間帯割り当てを外しますか？</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>商品は時間帯の&lt;br&gt;割り当てから外されます</translation>
    </message>
    <message>
        <source>Touch a position to choose its product. Touch and hold to clear positions.</source>
        <translation>位置をタッチして商品を選択します。長押しで位置をクリアします。</translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation>&lt;b&gt;本体の構成をリセットしますか？&lt;/b&gt;&lt;br&gt;リセット後に本体の再起動が必要です。</translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation>RFIDアクセサリテスト</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Universal Tag</source>
        <translation>汎用タグ</translation>
    </message>
</context>
<context>
    <name>SelectTargetModelGroup</name>
    <message>
        <source>Select Model</source>
        <translation>機種を選択</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>型番</translation>
    </message>
    <message>
        <source>Store #</source>
        <translation>店舗番号</translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation>タイマー作動中は&lt;br&gt;ヒーターテストを実行できません！</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失敗回数が多すぎます。
サービスに連絡してください。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>すべてのサービスパネルのロックを解除しました！</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>マネージャーのPINをリセットしました。</translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation>サウンドと画面のテスト</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>画面カスタマイズ</translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Tavolenファイルをインポートしました：</translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>サポートされないファイルバージョン：</translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Tavolenファイルのインポートに失敗しました：</translation>
    </message>
    <message>
        <source>Tavolen Import</source>
        <translation>Tavolenインポート</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>ローカル</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Tavolenファイルが見つかりません！</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
</context>
<context>
    <name>TrayBar</name>
    <message>
        <source>Product Mismatch</source>
        <translation>商品不一致</translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation>メニュー不一致</translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation>商品定義が不正です</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>リセット？</translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation>廃棄！</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation>画面カスタマイズ</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation>未確定の変更があります。ロックする前に確定または取消してください。</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失敗回数が多すぎます。
サービスに連絡してください。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation>すべての更新パネルのロックを解除しました！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>マネージャーのPINをリセットしました。</translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Tavolenファイルをインポートしました：</translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>サポートされないファイルバージョン：</translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Tavolenファイルのインポートに失敗しました：</translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation>Tavolenファイルをエクスポートしました：</translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation>Tavolenファイルのエクスポートに失敗しました！</translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>WifiApSelectDialog</name>
    <message>
        <source>Wifi SSIDs</source>
        <translation>Wi-Fiネットワーク</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>MacAddr</source>
        <translation>MACアドレス</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>信号</translation>
    </message>
    <message>
        <source>Freq(GHz)</source>
        <translation>周波数(GHz)</translation>
    </message>
</context>
<context>
    <name>WifiMonitorPanel</name>
    <message>
        <source>Drag across the chart to read a check</source>
        <translation>グラフをなぞると測定値を表示します</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation>Wi-Fiモニター</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>リンク品質</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>信号レベル</translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation>自動保存</translation>
    </message>
    <message>
        <source>No save</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>回の測定</translation>
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
        <translation>パスワード</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>WPA Enabled</source>
        <translation>WPA有効</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>ID</translation>
    </message>
</context>
<context>
    <name>ZoneAdvancedOptionsPanel</name>
    <message>
        <source>Exit Row Management?</source>
        <translation>列管理を終了しますか？</translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation>ゾーンエラー：温度センサーエラー</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>メイン画面との通信が途絶えました。</translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation>メインI/Oボードとの通信が途絶えました。</translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation>I/Oボードとの通信が途絶えました。</translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation>ゾーンエラー：温度Bが高すぎます</translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation>ゾーンエラー：温度Bが低すぎます。</translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation>ゾーンエラー：温度が高すぎます</translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation>ゾーンエラー：温度が低すぎます。</translation>
    </message>
</context>
<context>
    <name>ZoneOptionsView</name>
    <message>
        <source>Eco Mode</source>
        <translation>エコモード</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
</context>
<context>
    <name>ZoneView</name>
    <message>
        <source>Cannot start timers until preheat is complete</source>
        <translation>予熱が終わるまでタイマーを開始できません</translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation>エコモード</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation>エコモードを終了しますか？</translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation>電源を入れますか？</translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation>エコモードにしますか？</translation>
    </message>
</context>
<context>
    <name>heaterDiagnostics</name>
    <message>
        <source>L: </source>
        <comment>left side</comment>
        <translation>左：</translation>
    </message>
    <message>
        <source>R: </source>
        <comment>right side</comment>
        <translation>右：</translation>
    </message>
    <message>
        <source>U: </source>
        <comment>upper side</comment>
        <translation>上：</translation>
    </message>
    <message>
        <source>L: </source>
        <comment>lower side</comment>
        <translation>下：</translation>
    </message>
    <message>
        <source>F: </source>
        <comment>front side</comment>
        <translation>前：</translation>
    </message>
    <message>
        <source>B: </source>
        <comment>back side</comment>
        <translation>後：</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Save selected configuration?</source>
        <translation>選択した構成を保存しますか？</translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation>本体を再起動してください</translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation>構成の選択が不正です</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation>&lt;b&gt;システムエラー&lt;/b&gt;&lt;br&gt;システムが過熱しています！周囲に熱源がないか確認してください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation>&lt;b&gt;システムエラー&lt;/b&gt;&lt;br&gt;ヒーターが過熱しています！キャビネットの電源を切ってください。</translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation>停電がありました</translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation>作動中のタイマーを維持</translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation>作動中のタイマーを消去</translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation>ファームウェアを更新中...</translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation>メニューを更新中...</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>システムをバックアップ中です。&lt;br&gt;USBを抜いたり電源を切ったりしないでください</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>ファームウェア更新ファイルをコピー中...&lt;br&gt;USBを抜いたり電源を切ったりしないでください</translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation>&lt;b&gt;保温の復元の&lt;br&gt;確認を待っています&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation>ヒーターテストを開始しました</translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation>&lt;b&gt;画面エラー！&lt;/b&gt;&lt;br&gt;画面の予期しない再起動を検出しました！</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation>&lt;b&gt;システムエラー！&lt;/b&gt;&lt;br&gt;通信バス電圧を検出できません！&lt;br&gt;画面とI/O間のケーブルを確認してください</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;システムエラー：&lt;/b&gt;&lt;br&gt;Modbusリンクが切断されました。</translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation>メインのタッチ画面が2台あります。サブのタッチ画面の構成を変更してください。</translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation>サブのタッチ画面が2台あります。メインのタッチ画面の構成を変更してください。</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>システムエラー</translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>本体の構成が完了しました。&lt;br&gt;本体を再起動してください。</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>本体の構成をリセットしました。&lt;br&gt;本体を再起動してください。</translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation>清掃モードにしますか？</translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation>今すぐ画面を清掃しますか？</translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;EOLアドレス検出を開始しました&lt;/b&gt;</translation>
    </message>
</context>
</TS>
