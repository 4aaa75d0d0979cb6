<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation>&lt;b&gt;خطأ NFC!&lt;/b&gt;&lt;br&gt;تم تعطيل الكشف التلقائي عن الصواني!</translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation>موصل المعرّف غير صالح!
%1</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation>يناير</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مايو</translation>
    </message>
    <message>
        <source>June</source>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>July</source>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>August</source>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ديسمبر</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>ح</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>ن</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>ث</translation>
    </message>
    <message>
        <source>We</source>
        <translation>ر</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>خ</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>ج</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>س</translation>
    </message>
</context>
<context>
    <name>CleaningOptionsPanel</name>
    <message>
        <source>Cannot start clean mode with active timer</source>
        <translation>لا يمكن بدء التنظيف مع مؤقت نشط</translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation>الخروج من وضع التنظيف؟</translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation>آمن للتنظيف</translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation>جارٍ التبريد</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation>اختر الشاشة</translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation>الشاشة الرئيسية</translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation>الشاشة الثانوية</translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation>الشاشة المطابقة</translation>
    </message>
    <message>
        <source>Single display</source>
        <translation>شاشة واحدة</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>الرقم التسلسلي</translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>خزانة الاحتياط رقم %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>خزانة التقديم رقم %1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>لم يُحدَّد الاسم</translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation>لم يُعثر على إعدادات</translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation>اختر مجموعة الإعدادات</translation>
    </message>
</context>
<context>
    <name>DayPartEditAssignItem</name>
    <message>
        <source>Vented</source>
        <translation>مهوّى</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>مصمت</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بدون</translation>
    </message>
    <message>
        <source>False</source>
        <translation>مزدوج</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>المعرّف:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>مدة الحفظ:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>وقت التنبيه:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>حرارة الحفظ</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>الحرارة العلوية</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>حرارة المنتج</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>الحرارة السفلية</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>سرعة المروحة:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>وقت إعادة الضبط:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>نوع الغطاء:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>نوع القاع:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>تقسيم المنطقة:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>العناصر:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>اللون:</translation>
    </message>
</context>
<context>
    <name>DayPartEditPanel</name>
    <message>
        <source>Breakfast</source>
        <translation>الإفطار</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>الغداء/العشاء</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>فترات اليوم</translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation>معلومات المنصة</translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation>أُلغيت جميع مؤقتات الحفظ!</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>الأدوات</translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation>وضع العرض مفعّل</translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation>تفعيل لقطات الشاشة</translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation>تحرير المنتجات</translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation>DEZ RIOT مفعّل</translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation>وميض عند التخلص</translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation>قلب عمودي</translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation>مصدر الطاقة: </translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>اختبار الصوت</translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation>اختبار الشاشة</translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation>إلغاء كل الحفظ</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>تخصيص الواجهة</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>استيراد/تصدير الملفات</translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation>اختبار ملحقات RFID</translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation>اختبار السخانات</translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation>النواة:</translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation>تم تصدير لقطات الشاشة إلى ذاكرة USB!</translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation>لا توجد لقطات شاشة للتصدير!</translation>
    </message>
    <message>
        <source>Wi-Fi Monitor</source>
        <translation>مراقب Wi-Fi</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>مسح جميع سجلات الأخطاء</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>متابعة أو إلغاء</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>سجل الأخطاء</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>التاريخ/الوقت</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>المعرّف</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>اسم الخطأ</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>عدد السجلات: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>أول سجل: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>آخر سجل: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>مسح الكل</translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation>استيراد / تصدير الملفات</translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation>أدخل ذاكرة USB</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>تصدير ملفات القائمة</translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation>استيراد ملفات القائمة</translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation>تصدير لقطات الشاشة</translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation>تصدير سجل الأخطاء</translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation>تصدير سجل الحفظ</translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation>تصدير سجلات Wi-Fi</translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation>تصدير سجل النواة</translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation>تصدير سجلات IoT</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>تم تصدير سجل الحفظ!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>فشل تصدير سجل الحفظ!</translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation>تم تصدير لقطات الشاشة!</translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation>لا توجد لقطات شاشة للتصدير.</translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation>لم تُضف منتجات إلى المجموعة!</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>اسم المجموعة غير صالح!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>إلغاء؟</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>حرارة المنتج</translation>
    </message>
    <message>
        <source>Upper temperature:</source>
        <translation>الحرارة العلوية:</translation>
    </message>
    <message>
        <source>Lower temperature:</source>
        <translation>الحرارة السفلية:</translation>
    </message>
    <message>
        <source>Lid Type:</source>
        <translation>نوع الغطاء:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>تقسيم المنطقة:</translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation>سرعة المروحة:</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>سجل الحفظ</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>اسم المنتج</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>رقم الرف</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>وقت البدء</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>تم التخلص</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>مدة الحفظ</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>عدد السجلات: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>عرض الكل</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
</context>
<context>
    <name>HeaterZoneGrid</name>
    <message>
        <source>Invalid fan speed.&lt;br&gt;0 ≤ speed ≥ 100</source>
        <translation>سرعة المروحة غير صالحة.&lt;br&gt;0 ≤ السرعة ≥ 100</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>قسم </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>مطفأ</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>يعمل</translation>
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
        <translation>اختبار الحرارة معطّل
أثناء الحفظ.</translation>
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
        <translation>أُلغيت الاختبارات. توجد مؤقتات نشطة.</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>تشخيص المناطق</translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation>&lt;b&gt;حرارة التحكم:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>إلغاء
الاختبار</translation>
    </message>
    <message>
        <source>Service
Test</source>
        <translation>اختبار
الصيانة</translation>
    </message>
</context>
<context>
    <name>HeatersTestingItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation>اختبار الحرارة معطّل
أثناء الحفظ.</translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation>اختبار السخانات</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>إلغاء
الاختبار</translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation>اختبار
السخانات</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation>بطاقات غير موجودة في الخانات</translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation>رقم البطاقة</translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation>رقم الخانة</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>المنتج</translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation>إلغاء تسجيل البطاقة</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation>استيراد Tavolen غير متاح&lt;br&gt;أثناء عمل المؤقتات!</translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>فقد الاتصال بوحدة الإدخال/الإخراج الرئيسية.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>انتهت مهلة إعداد وحدة الإدخال/الإخراج الرئيسية.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>خطأ في إعداد وحدة الإدخال/الإخراج الرئيسية.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>دائرة قصر في حساس الحرارة \3.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>دائرة مفتوحة في حساس الحرارة \3.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>السخان \3: خطأ انخفاض الحرارة.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>السخان \3: خطأ ارتفاع الحرارة.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>خطأ مرجع حساس الحرارة \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>خطأ الوصلة الباردة \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>خطأ ارتفاع حرارة النظام.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>خطأ ارتفاع حرارة السخان \3.</translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation>خطأ ZX في مراقب الطاقة.</translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation>خطأ اتصال مراقب الطاقة.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>المنطقة \3 معطّلة. الحرارة منخفضة جدًا.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>المنطقة \3 معطّلة. الحرارة مرتفعة جدًا.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>فقد الاتصال بالشاشة الثانوية.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>فقد الاتصال بالشاشة الرئيسية.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>فقد الاتصال بلوحة الإدخال/الإخراج \3.</translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation>اكتُشفت إعادة تشغيل غير متوقعة للواجهة.</translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation>لم يُكتشف جهد ناقل الاتصال.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>فقد الاتصال بلوحة NFC \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>رُفض الاتصال. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>أغلق المضيف البعيد الاتصال. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>لم يُعثر على المضيف. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>خطأ في الوصول إلى المقبس. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>خطأ في موارد المقبس. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>انتهت مهلة المقبس.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>حزمة البيانات كبيرة جدًا. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>خطأ في الشبكة. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>العنوان مستخدم. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>عنوان المقبس غير متاح. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>عملية مقبس غير مدعومة. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>الوكيل يتطلب المصادقة. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>فشلت مصافحة SSL. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>عملية مقبس غير مكتملة. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>رفض الوكيل الاتصال. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>أغلق الوكيل الاتصال. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>انتهت مهلة الاتصال بالوكيل. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>لم يُعثر على الوكيل. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>خطأ في بروتوكول الوكيل. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>خطأ في العملية. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>خطأ داخلي في SSL. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>بيانات مستخدم SSL غير صالحة. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>خطأ مؤقت. \3</translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation>خطأ في RIOT SDK.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>لم يُحدَّد معالج الأحداث.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>لم يُحدَّد اسم النطاق.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>ملف شهادة الجذر فارغ.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>اسم الشركة المصنِّعة مفقود.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>رقم الطراز مفقود.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>الرقم التسلسلي مفقود.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>واصف الجهاز مفقود.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>رقم الموقع مفقود.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>الرقم التسلسلي ليس أبجديًا رقميًا.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>تنسيق واصف الجهاز غير صحيح.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>معرّف برنامج الجهاز مفقود.</translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation>فشلت تهيئة RIoT.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>فشل النشر: موضوع غير مصرّح به.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>فشل الاشتراك: موضوع غير مصرّح به.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>معرّف العميل ومفتاحه السري منتهيان أو ملغيان.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>رمز التحديث منتهٍ أو ملغى.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>خطأ غير متوقع وغير مصنّف.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>خطأ عام في TCP/IP.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>خطأ في الاتصال بمقبس TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>خطأ في القراءة من مقبس TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>خطأ في الكتابة إلى مقبس TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>خطأ عام في HTTP.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>خطأ في HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>خطأ في HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>فشل اتصال MQTT بسبب خطأ في اسم مضيف SSL.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>المجموع الاختباري للملف المنزَّل لا يطابق المجموع المحدد.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>تعذّر التحقق من توقيع المجموع الاختباري.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>معرّف المفتاح (kid) لا يشير إلى مفتاح.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>فشل النشر أو الاشتراك بسبب فشل طلب ping.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>فشلت تهيئة الجهاز.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>محاولة الاتصال بـ MQTT مع وجود اتصال قائم.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>فشل النشر/الاشتراك في MQTT بسبب الانقطاع أو تعذّر الاتصال.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>خطأ MQTT غير معروف.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>خطأ غير معروف.</translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;حالة التهيئة:&lt;/b&gt; غير مهيأ</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;حالة التهيئة:&lt;/b&gt; جارٍ التهيئة</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;حالة الشهادة:&lt;/b&gt; انتهت مهلة الطلب، إعادة المحاولة...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;حالة الشهادة:&lt;/b&gt; تم الطلب</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;حالة الشهادة:&lt;/b&gt; تم الاستلام</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;حالة الشهادة:&lt;/b&gt; انتهت مهلة الطلب</translation>
    </message>
</context>
<context>
    <name>LanguagesPanel</name>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
</context>
<context>
    <name>MasterIoManager</name>
    <message>
        <source>I/O Configuration set timed out</source>
        <translation>انتهت مهلة إعداد الإدخال/الإخراج</translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation>خطأ في إعداد الإدخال/الإخراج</translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation>خطأ اتصال مراقب الطاقة</translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation>خطأ ZX في مراقب الطاقة</translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation>مراقبة الحرارة الخام وبطاقات NFC</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation>جارٍ الاتصال بالشاشة الثانوية</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;خطأ في النظام&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>فقد الاتصال بالشاشة الثانوية.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>فقد الاتصال بالشاشة الرئيسية.</translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation>جارٍ التحقق من استيراد Tavolen</translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation>جارٍ تحميل فترة اليوم الافتراضية</translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation>جارٍ التحقق من استعادة الحفظ</translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation>في انتظار الشاشة الرئيسية.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation>&lt;b&gt;خطأ في النظام&lt;/b&gt;&lt;br&gt;لم يُعثر على الشاشة الثانوية!</translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation>تصدير Tavolen</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>تصدير ملفات القائمة</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>تحقق من ذاكرة USB</translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation>تحديث &lt;b&gt;Tavolen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>لم يُعثر على ملفات Tavolen!</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation>إسكات الإنذار</translation>
    </message>
</context>
<context>
    <name>NameFieldMultilingual</name>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsItem</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>محاولات فاشلة كثيرة.
اتصل بالصيانة.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>رمز PIN</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>إعادة ضبط الشبكة الافتراضية؟</translation>
    </message>
    <message>
        <source>Network reset is complete.&lt;br&gt;Reboot the unit</source>
        <translation>اكتملت إعادة ضبط الشبكة.&lt;br&gt;أعد تشغيل الوحدة</translation>
    </message>
    <message>
        <source>Network Reset</source>
        <translation>إعادة ضبط الشبكة</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</source>
        <translation>&lt;b&gt;حالة التهيئة:&lt;/b&gt; متصل بالاتصال الدائم</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</source>
        <translation>&lt;b&gt;حالة التهيئة:&lt;/b&gt; انقطع الاتصال الدائم</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>شبكة Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>مفعّل</translation>
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
        <translation>عنوان IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>قناع الشبكة</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>البوابة الافتراضية</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;حالة الشهادة:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;حالة التهيئة:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation>قيمة وقت غير صالحة</translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation>&lt;b&gt;الشاشة غير مهيأة&lt;/b&gt;&lt;br&gt;اختر إعداد هذه الوحدة.</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>اختر الإعداد</translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>ستتم إزالة المنتج من قائمة&lt;br&gt;منتجات المجموعة</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>حرارة الحفظ</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>الحرارة العلوية</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>حرارة المنتج</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>الحرارة السفلية</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>مدة الحفظ</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>تنبيه طهي المزيد</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>وقت إعادة الضبط</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>سرعة المروحة</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>تقسيم المنطقة:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>نوع الغطاء:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بدون</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>مصمت</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>مهوّى</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>نوع القاع:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>False</source>
        <translation>مزدوج</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>اللون:</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>مدة حفظ غير صالحة!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>وقت تنبيه غير صالح!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>اسم منتج غير صالح!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>وقت إعادة ضبط غير صالح!</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>حرارة حفظ غير صالحة!</translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation>سرعة مروحة غير صالحة!</translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation>اختر المؤقت المراد نقله:</translation>
    </message>
</context>
<context>
    <name>ProductsListPanel</name>
    <message>
        <source>Vented</source>
        <translation>مهوّى</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>مصمت</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بدون</translation>
    </message>
    <message>
        <source>False</source>
        <translation>مزدوج</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>حذف المجموعة</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>حذف المنتج</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>تُحذف المجموعات الفارغة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>حفظ التغييرات؟</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>تحرير المنتجات غير متاح&lt;br&gt;أثناء عمل المؤقتات!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>محاولات فاشلة كثيرة.
اتصل بالصيانة.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>رمز PIN</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>أُلغي تحرير المنتجات&lt;br&gt;بسبب وجود مؤقتات نشطة.</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>المعرّف:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>حرارة الحفظ</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>الحرارة العلوية</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>حرارة المنتج</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>الحرارة السفلية</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>مدة الحفظ:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>وقت التنبيه:</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>سرعة المروحة:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>وقت إعادة الضبط:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>نوع الغطاء:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>نوع القاع:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>تقسيم المنطقة:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>العناصر:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>اللون:</translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation>بلغ عدد المنتجات/المجموعات الحد الأقصى. لا يمكن إضافة المزيد!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>إزالة تخصيص فترات اليوم للخانات؟</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>ستتم إزالة المنتج من تخصيصات&lt;br&gt;فترات اليوم</translation>
    </message>
    <message>
        <source>Touch a position to choose its product. Touch and hold to clear positions.</source>
        <translation>المس خانة لاختيار منتجها. المس مطوّلًا لمسح الخانات.</translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation>&lt;b&gt;إعادة ضبط إعداد الوحدة؟&lt;/b&gt;&lt;br&gt;يجب إعادة تشغيل الوحدة بعدها.</translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation>اختبار ملحقات RFID</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Universal Tag</source>
        <translation>بطاقة عامة</translation>
    </message>
</context>
<context>
    <name>SelectTargetModelGroup</name>
    <message>
        <source>Select Model</source>
        <translation>اختر الطراز</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation>الرقم التسلسلي</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>رقم الطراز</translation>
    </message>
    <message>
        <source>Store #</source>
        <translation>رقم المتجر</translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation>اختبار السخانات غير متاح&lt;br&gt;أثناء عمل المؤقتات!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>محاولات فاشلة كثيرة.
اتصل بالصيانة.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>رمز PIN</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>تم فتح جميع لوحات الصيانة!</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>تمت إعادة ضبط رمز PIN للمدير.</translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation>اختبارات الصوت والشاشة</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>تخصيص الواجهة</translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation>تم استيراد ملف Tavolen: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>إصدار الملف غير مدعوم: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>فشل استيراد ملف Tavolen: </translation>
    </message>
    <message>
        <source>Tavolen Import</source>
        <translation>استيراد Tavolen</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>محلي</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>لم يُعثر على ملفات Tavolen!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
</context>
<context>
    <name>TrayBar</name>
    <message>
        <source>Product Mismatch</source>
        <translation>منتج غير مطابق</translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation>قائمة غير مطابقة</translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation>تعريف منتج غير صالح</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>إعادة ضبط؟</translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation>تخلّص منه!</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>انتظار</translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation>تخصيص الواجهة</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation>توجد تغييرات معلّقة. اقبلها أو ألغها قبل إعادة القفل.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>محاولات فاشلة كثيرة.
اتصل بالصيانة.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>رمز PIN</translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation>تم فتح جميع لوحات التحديث!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>تمت إعادة ضبط رمز PIN للمدير.</translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation>تم استيراد ملف Tavolen: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>إصدار الملف غير مدعوم: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>فشل استيراد ملف Tavolen: </translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation>تم تصدير ملف Tavolen: </translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation>فشل تصدير ملف Tavolen!</translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>WifiApSelectDialog</name>
    <message>
        <source>Wifi SSIDs</source>
        <translation>شبكات Wi-Fi</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>MacAddr</source>
        <translation>عنوان MAC</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>الإشارة</translation>
    </message>
    <message>
        <source>Freq(GHz)</source>
        <translation>التردد (GHz)</translation>
    </message>
</context>
<context>
    <name>WifiMonitorPanel</name>
    <message>
        <source>Drag across the chart to read a check</source>
        <translation>اسحب على المخطط لقراءة فحص</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>متصل</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>غير متصل</translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation>مراقب Wi-Fi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>جودة الاتصال</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>مستوى الإشارة</translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation>حفظ تلقائي</translation>
    </message>
    <message>
        <source>No save</source>
        <translation>بدون حفظ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>فحوص</translation>
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
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>WPA Enabled</source>
        <translation>WPA مفعّل</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>الهوية</translation>
    </message>
</context>
<context>
    <name>ZoneAdvancedOptionsPanel</name>
    <message>
        <source>Exit Row Management?</source>
        <translation>الخروج من إدارة الصفوف؟</translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation>خطأ المنطقة: خطأ في حساس الحرارة</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>فقد الاتصال بالشاشة الرئيسية.</translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation>انقطع الاتصال بلوحة الإدخال/الإخراج الرئيسية.</translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation>فقد الاتصال بلوحة الإدخال/الإخراج.</translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation>خطأ المنطقة: الحرارة B مرتفعة جدًا</translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation>خطأ المنطقة: الحرارة B منخفضة جدًا.</translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation>خطأ المنطقة: الحرارة مرتفعة جدًا</translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation>خطأ المنطقة: الحرارة منخفضة جدًا.</translation>
    </message>
</context>
<context>
    <name>ZoneOptionsView</name>
    <message>
        <source>Eco Mode</source>
        <translation>الوضع الاقتصادي</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>مطفأ</translation>
    </message>
</context>
<context>
    <name>ZoneView</name>
    <message>
        <source>Cannot start timers until preheat is complete</source>
        <translation>لا يمكن تشغيل المؤقتات قبل اكتمال التسخين المسبق</translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation>الوضع الاقتصادي</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>مطفأ</translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation>الخروج من الوضع الاقتصادي؟</translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation>تشغيل؟</translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation>الدخول إلى الوضع الاقتصادي؟</translation>
    </message>
</context>
<context>
    <name>heaterDiagnostics</name>
    <message>
        <source>L: </source>
        <comment>left side</comment>
        <translation>يسار: </translation>
    </message>
    <message>
        <source>R: </source>
        <comment>right side</comment>
        <translation>يمين: </translation>
    </message>
    <message>
        <source>U: </source>
        <comment>upper side</comment>
        <translation>أعلى: </translation>
    </message>
    <message>
        <source>L: </source>
        <comment>lower side</comment>
        <translation>أسفل: </translation>
    </message>
    <message>
        <source>F: </source>
        <comment>front side</comment>
        <translation>أمام: </translation>
    </message>
    <message>
        <source>B: </source>
        <comment>back side</comment>
        <translation>خلف: </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Save selected configuration?</source>
        <translation>حفظ الإعداد المحدد؟</translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation>أعد تشغيل الوحدة</translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation>اختيار إعداد غير صالح</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation>&lt;b&gt;خطأ في النظام&lt;/b&gt;&lt;br&gt;ارتفاع حرارة النظام! تحقق من وجود مصدر حرارة بالقرب منه.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation>&lt;b&gt;خطأ في النظام&lt;/b&gt;&lt;br&gt;ارتفاع حرارة السخان! أطفئ الخزانة.</translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation>انقطاع الطاقة</translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation>الإبقاء على المؤقتات النشطة</translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation>مسح المؤقتات النشطة</translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation>جارٍ تحديث البرنامج الثابت...</translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation>جارٍ تحديث القائمة...</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>جارٍ النسخ الاحتياطي للنظام.&lt;br&gt;لا تفصل USB ولا تطفئ الوحدة</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>جارٍ نسخ ملفات تحديث البرنامج الثابت...&lt;br&gt;لا تفصل USB ولا تطفئ الوحدة</translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation>&lt;b&gt;في انتظار تأكيد&lt;br&gt;استعادة الحفظ&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation>بدأ اختبار السخانات</translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation>&lt;b&gt;خطأ في الواجهة!&lt;/b&gt;&lt;br&gt;اكتُشفت إعادة تشغيل غير متوقعة للواجهة!</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation>&lt;b&gt;خطأ في النظام!&lt;/b&gt;&lt;br&gt;لم يُكتشف جهد ناقل الاتصال!&lt;br&gt;افحص كابل الواجهة بلوحة الإدخال/الإخراج</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;خطأ في النظام:&lt;/b&gt;&lt;br&gt;انقطع اتصال Modbus.</translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation>اكتُشفت شاشتا لمس رئيسيتان. غيّر إعداد الشاشة الثانوية.</translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation>اكتُشفت شاشتا لمس ثانويتان. غيّر إعداد الشاشة الرئيسية.</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>خطأ في النظام</translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>تم إعداد الوحدة بنجاح.&lt;br&gt;أعد تشغيل الوحدة.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>تمت إعادة ضبط إعداد الوحدة بنجاح.&lt;br&gt;أعد تشغيل الوحدة.</translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation>الدخول إلى وضع التنظيف؟</translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation>تنظيف الشاشة الآن؟</translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;بدأ كشف عناوين EOL&lt;/b&gt;</translation>
    </message>
</context>
</TS>
