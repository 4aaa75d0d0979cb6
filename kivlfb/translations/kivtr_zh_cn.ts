<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation>&lt;b&gt;NFC 错误！&lt;/b&gt;&lt;br&gt;托盘自动检测已禁用！</translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation>ID 连接器无效！
%1</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>一</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>二</translation>
    </message>
    <message>
        <source>We</source>
        <translation>三</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>四</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>五</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>六</translation>
    </message>
</context>
<context>
    <name>CleaningOptionsPanel</name>
    <message>
        <source>Cannot start clean mode with active timer</source>
        <translation>计时器运行中，无法进入清洁模式</translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation>退出清洁模式？</translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation>可以清洁</translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation>正在冷却</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation>选择显示屏</translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation>主显示屏</translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation>副显示屏</translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation>镜像显示屏</translation>
    </message>
    <message>
        <source>Single display</source>
        <translation>单显示屏</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>序列号</translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>备用保温柜 %1 号</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>出餐保温柜 %1 号</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>未设置名称</translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation>未找到配置</translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation>选择配置集</translation>
    </message>
</context>
<context>
    <name>DayPartEditAssignItem</name>
    <message>
        <source>Vented</source>
        <translation>通风</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>实心</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>False</source>
        <translation>假底</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>id：</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>保温时间：</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>提醒时间：</translation>
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
        <translation>产品温度</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>下部温度</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>风扇速度：</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>重置时间：</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>盖子类型：</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>底部类型：</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>区域分割：</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>项目：</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>颜色：</translation>
    </message>
</context>
<context>
    <name>DayPartEditPanel</name>
    <message>
        <source>Breakfast</source>
        <translation>早餐</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>午餐/晚餐</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>时段</translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation>平台信息</translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation>所有保温计时器已取消！</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>实用工具</translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation>演示模式已启用</translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation>启用截屏</translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation>产品编辑</translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation>DEZ RIOT 已启用</translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation>丢弃时闪烁</translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation>垂直翻转</translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation>电源：</translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>声音测试</translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation>屏幕测试</translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation>取消全部保温</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>界面自定义</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>文件导入/导出</translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation>RFID 配件测试</translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation>加热器测试</translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation>内核：</translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation>截屏已导出到 U 盘！</translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation>没有可导出的截屏！</translation>
    </message>
    <message>
        <source>Wi-Fi Monitor</source>
        <translation>Wi-Fi 监视器</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>清除全部错误日志</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>继续或取消</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>错误日志</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>日期/时间</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>错误名称</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>记录数：</translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>首条记录：</translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>末条记录：</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation>文件导入 / 导出</translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation>请插入 U 盘</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>导出菜单文件</translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation>导入菜单文件</translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation>导出截屏</translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation>导出错误日志</translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation>导出保温记录</translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation>导出 Wi-Fi 日志</translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation>导出内核日志</translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation>导出 IoT 日志</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>保温记录已导出！</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>保温记录导出失败！</translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation>截屏已导出！</translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation>没有可导出的截屏。</translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation>该组未添加产品！</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>组名称无效！</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>取消？</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>产品温度</translation>
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
        <translation>盖子类型：</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>区域分割：</translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation>风扇速度：</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>保温记录</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>产品名称</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>层架编号</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>已丢弃</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>保温时长</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>记录数：</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>全部显示</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>HeaterZoneGrid</name>
    <message>
        <source>Invalid fan speed.&lt;br&gt;0 ≤ speed ≥ 100</source>
        <translation>风扇速度无效。&lt;br&gt;0 ≤ 速度 ≥ 100</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>区域 </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
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
        <translation>保温进行中，
温度测试已禁用。</translation>
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
        <translation>测试已取消：有计时器在运行。</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>区域诊断</translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation>&lt;b&gt;控制温度：&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>取消
测试</translation>
    </message>
    <message>
        <source>Service
Test</source>
        <translation>维修
测试</translation>
    </message>
</context>
<context>
    <name>HeatersTestingItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation>保温进行中，
温度测试已禁用。</translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation>加热器测试</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>取消
测试</translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation>加热器
测试</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation>槽位中未找到的标签</translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation>标签号</translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation>槽位号</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation>注销标签</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation>计时器运行中，&lt;br&gt;无法导入 Tavolen！</translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>主 I/O 通信中断。</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>主 I/O 系统配置超时。</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>主 I/O 系统配置错误。</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>温度传感器 \3 短路。</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>温度传感器 \3 开路。</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>加热器 \3 低温错误。</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>加热器 \3 高温错误。</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>温度传感器 \3 参考错误。</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>冷端 \3 错误。</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>系统过温错误。</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>加热器 \3 过温错误。</translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation>电源监视器 ZX 错误。</translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation>电源监视器通信错误。</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>区域 \3 已禁用。温度过低。</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>区域 \3 已禁用。温度过高。</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>副显示屏通信中断。</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>主显示屏通信中断。</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>I/O 板 \3 通信中断。</translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation>检测到显示屏意外重启。</translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation>未检测到通信总线电压。</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>NFC 板 \2 通信中断。</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>连接被拒绝。\3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>远程主机关闭了连接。\3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>找不到主机。\3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>套接字访问错误。\3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>套接字资源错误。\3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>套接字超时。</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>数据报过大。\3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>网络错误。\3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>地址已被占用。\3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>套接字地址不可用。\3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>不支持的套接字操作。\3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>代理需要身份验证。\3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>SSL 握手失败。\3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>套接字操作未完成。\3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>代理拒绝连接。\3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>代理关闭了连接。\3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>代理连接超时。\3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>找不到代理。\3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>代理协议错误。\3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>操作错误。\3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>SSL 内部错误。\3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>SSL 用户数据无效。\3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>临时错误。\3</translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation>RIOT SDK 错误。</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>未设置事件处理程序。</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>未设置域名。</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>根 CA 文件为空。</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>缺少制造商名称。</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>缺少型号。</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>缺少序列号。</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>缺少设备描述符。</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>缺少门店编号。</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>序列号不是字母数字。</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>设备描述符格式错误。</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>缺少设备软件 ID。</translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation>RIoT 初始化失败。</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>发布失败：主题未授权。</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>订阅失败：主题未授权。</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>客户端 ID 和密钥已过期或被吊销。</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>刷新令牌已过期或被吊销。</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>意外的未分类错误。</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>常规 TCP/IP 错误。</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>连接 TCP/IP 套接字出错。</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>读取 TCP/IP 套接字出错。</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>写入 TCP/IP 套接字出错。</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>常规 HTTP 错误。</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>HTTP GET 出错。</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>HTTP POST 出错。</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>SSL 主机名错误，MQTT 连接失败。</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>下载文件的校验和与指定值不符。</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>无法验证校验和签名。</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>密钥 ID（kid）未引用任何密钥。</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>ping 请求失败，发布或订阅失败。</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>设备初始化失败。</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>已存在连接时再次尝试连接 MQTT。</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>连接断开或无法连接，MQTT 发布/订阅失败。</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>未知 MQTT 错误。</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>未知错误。</translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;配置状态：&lt;/b&gt;未配置</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;配置状态：&lt;/b&gt;正在配置</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;证书状态：&lt;/b&gt;请求超时，正在重试...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;证书状态：&lt;/b&gt;已请求</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;证书状态：&lt;/b&gt;已接收</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;证书状态：&lt;/b&gt;请求超时</translation>
    </message>
</context>
<context>
    <name>LanguagesPanel</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
</context>
<context>
    <name>MasterIoManager</name>
    <message>
        <source>I/O Configuration set timed out</source>
        <translation>I/O 配置超时</translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation>I/O 配置错误</translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation>电源监视器通信错误</translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation>电源监视器 ZX 错误</translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation>原始温度与 NFC 标签监控</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation>正在与副显示屏通信</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;系统错误&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>副显示屏通信中断。</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>主显示屏通信中断。</translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation>正在检查 Tavolen 导入</translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation>正在加载默认时段</translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation>正在检查保温恢复</translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation>正在等待主显示屏。</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation>&lt;b&gt;系统错误&lt;/b&gt;&lt;br&gt;未找到副显示屏！</translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation>Tavolen 导出</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>导出菜单文件</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>请检查 U 盘</translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation>&lt;b&gt;Tavolen&lt;/b&gt; 更新</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>未找到 Tavolen 文件！</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation>关闭警报音</translation>
    </message>
</context>
<context>
    <name>NameFieldMultilingual</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsItem</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失败次数过多。
请联系维修服务。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN 码</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>恢复默认网络设置？</translation>
    </message>
    <message>
        <source>Network reset is complete.&lt;br&gt;Reboot the unit</source>
        <translation>网络已重置。&lt;br&gt;请重启设备</translation>
    </message>
    <message>
        <source>Network Reset</source>
        <translation>网络重置</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</source>
        <translation>&lt;b&gt;配置状态：&lt;/b&gt;已建立永久连接</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</source>
        <translation>&lt;b&gt;配置状态：&lt;/b&gt;永久连接已断开</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Wi-Fi 网络</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已启用</translation>
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
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>默认网关</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;证书状态：&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;配置状态：&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation>时间值无效</translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation>&lt;b&gt;显示屏未配置&lt;/b&gt;&lt;br&gt;请选择本设备的配置。</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>选择配置</translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>该产品将从分组的&lt;br&gt;产品列表中移除</translation>
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
        <translation>产品温度</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>下部温度</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>保温时间</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>补做提醒时间</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>重置时间</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>风扇速度</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>区域分割：</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>盖子类型：</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>实心</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>通风</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>底部类型：</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>False</source>
        <translation>假底</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>颜色：</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>保温时间无效！</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>提醒时间无效！</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>产品名称无效！</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>重置时间无效！</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>保温温度无效！</translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation>风扇速度无效！</translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation>选择要转移的计时器：</translation>
    </message>
</context>
<context>
    <name>ProductsListPanel</name>
    <message>
        <source>Vented</source>
        <translation>通风</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>实心</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>False</source>
        <translation>假底</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>删除分组</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>删除产品</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>空分组将被删除</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>保存更改？</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>计时器运行中，&lt;br&gt;无法编辑产品！</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失败次数过多。
请联系维修服务。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN 码</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>有计时器在运行，&lt;br&gt;产品编辑已取消。</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>id：</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
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
        <translation>产品温度</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>下部温度</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>保温时间：</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>提醒时间：</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>风扇速度：</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>重置时间：</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>盖子类型：</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>底部类型：</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>区域分割：</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>项目：</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>颜色：</translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation>产品/分组已达上限，无法再添加！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>移除槽位的时段分配？</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>该产品将从时段&lt;br&gt;分配中移除</translation>
    </message>
    <message>
        <source>Touch a position to choose its product. Touch and hold to clear positions.</source>
        <translation>点击位置选择产品，长按清除位置。</translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation>&lt;b&gt;重置设备配置？&lt;/b&gt;&lt;br&gt;之后必须重启设备。</translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation>RFID 配件测试</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Universal Tag</source>
        <translation>通用标签</translation>
    </message>
</context>
<context>
    <name>SelectTargetModelGroup</name>
    <message>
        <source>Select Model</source>
        <translation>选择型号</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Store #</source>
        <translation>门店编号</translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation>计时器运行中，&lt;br&gt;无法测试加热器！</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失败次数过多。
请联系维修服务。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN 码</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>所有维修面板已解锁！</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>经理 PIN 码已重置。</translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation>声音和屏幕测试</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>界面自定义</translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation>已导入 Tavolen 文件：</translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>不支持的文件版本：</translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Tavolen 文件导入失败：</translation>
    </message>
    <message>
        <source>Tavolen Import</source>
        <translation>Tavolen 导入</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>本地</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>未找到 Tavolen 文件！</translation>
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
        <translation>产品不符</translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation>菜单不符</translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation>产品定义无效</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>重置？</translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation>丢弃！</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation>界面自定义</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation>有未保存的更改。请在重新锁定前确认或取消。</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失败次数过多。
请联系维修服务。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN 码</translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation>所有更新面板已解锁！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>经理 PIN 码已重置。</translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation>已导入 Tavolen 文件：</translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>不支持的文件版本：</translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Tavolen 文件导入失败：</translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation>已导出 Tavolen 文件：</translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation>Tavolen 文件导出失败！</translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>WifiApSelectDialog</name>
    <message>
        <source>Wifi SSIDs</source>
        <translation>Wi-Fi 网络</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>MacAddr</source>
        <translation>MAC 地址</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>信号</translation>
    </message>
    <message>
        <source>Freq(GHz)</source>
        <translation>频率(GHz)</translation>
    </message>
</context>
<context>
    <name>WifiMonitorPanel</name>
    <message>
        <source>Drag across the chart to read a check</source>
        <translation>在图表上拖动以查看检测值</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation>Wi-Fi 监视器</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>链路质量</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>信号强度</translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation>自动保存</translation>
    </message>
    <message>
        <source>No save</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>次检测</translation>
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
        <translation>密码</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>WPA Enabled</source>
        <translation>已启用 WPA</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>身份</translation>
    </message>
</context>
<context>
    <name>ZoneAdvancedOptionsPanel</name>
    <message>
        <source>Exit Row Management?</source>
        <translation>退出排管理？</translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation>区域错误：温度传感器故障</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>主显示屏通信中断。</translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation>主 I/O 板通信中断。</translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation>I/O 板通信中断。</translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation>区域错误：B 温度过高</translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation>区域错误：B 温度过低。</translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation>区域错误：温度过高</translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation>区域错误：温度过低。</translation>
    </message>
</context>
<context>
    <name>ZoneOptionsView</name>
    <message>
        <source>Eco Mode</source>
        <translation>节能模式</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>ZoneView</name>
    <message>
        <source>Cannot start timers until preheat is complete</source>
        <translation>预热完成前无法启动计时器</translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation>节能模式</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation>退出节能模式？</translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation>开机？</translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation>进入节能模式？</translation>
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
        <translation>后：</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Save selected configuration?</source>
        <translation>保存所选配置？</translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation>请重启设备</translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation>配置选择无效</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation>&lt;b&gt;系统错误&lt;/b&gt;&lt;br&gt;系统过温！请检查周围是否有热源。</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation>&lt;b&gt;系统错误&lt;/b&gt;&lt;br&gt;加热器过温！请关闭保温柜电源。</translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation>电源中断</translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation>保留运行中的计时器</translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation>清除运行中的计时器</translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation>正在更新固件...</translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation>正在更新菜单...</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>正在备份系统。&lt;br&gt;请勿拔出 U 盘或关闭设备电源</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>正在复制固件更新文件...&lt;br&gt;请勿拔出 U 盘或关闭设备电源</translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation>&lt;b&gt;等待确认&lt;br&gt;恢复保温&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation>加热器测试已开始</translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation>&lt;b&gt;显示屏错误！&lt;/b&gt;&lt;br&gt;检测到显示屏意外重启！</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation>&lt;b&gt;系统错误！&lt;/b&gt;&lt;br&gt;未检测到通信总线电压！&lt;br&gt;请检查显示屏至 I/O 的线缆</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;系统错误：&lt;/b&gt;&lt;br&gt;Modbus 链路中断。</translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation>检测到两个主触摸屏。请更改副触摸屏的配置。</translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation>检测到两个副触摸屏。请更改主触摸屏的配置。</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>系统错误</translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>设备配置成功。&lt;br&gt;请重启设备。</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>设备配置已重置。&lt;br&gt;请重启设备。</translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation>进入清洁模式？</translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation>现在清洁屏幕？</translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;已开始 EOL 地址检测&lt;/b&gt;</translation>
    </message>
</context>
</TS>
