<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>CabinetManager</name>
    <message>
        <source>&lt;b&gt;NFC ERROR!&lt;/b&gt;&lt;br&gt;Auto tray detection disabled!</source>
        <translation>&lt;b&gt;NFC 오류!&lt;/b&gt;&lt;br&gt;트레이 자동 감지가 꺼졌습니다!</translation>
    </message>
    <message>
        <source>Invalid ID connector!
%1</source>
        <translation>ID 커넥터가 잘못되었습니다!
%1</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>January</source>
        <translation>1월</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2월</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3월</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4월</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5월</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6월</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7월</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8월</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9월</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10월</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11월</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12월</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>일</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>월</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>화</translation>
    </message>
    <message>
        <source>We</source>
        <translation>수</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>목</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>금</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>토</translation>
    </message>
</context>
<context>
    <name>CleaningOptionsPanel</name>
    <message>
        <source>Cannot start clean mode with active timer</source>
        <translation>타이머 작동 중에는 청소 모드를 시작할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>CleaningPanel</name>
    <message>
        <source>Exit Cleaning Mode?</source>
        <translation>청소 모드를 종료할까요?</translation>
    </message>
    <message>
        <source>Safe to Clean</source>
        <translation>청소 가능</translation>
    </message>
    <message>
        <source>Cooling Down</source>
        <translation>냉각 중</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Select Display</source>
        <translation>화면 선택</translation>
    </message>
    <message>
        <source>PRIMARY display</source>
        <translation>주 화면</translation>
    </message>
    <message>
        <source>SECONDARY display</source>
        <translation>보조 화면</translation>
    </message>
    <message>
        <source>MIRROR display</source>
        <translation>미러 화면</translation>
    </message>
    <message>
        <source>Single display</source>
        <translation>단일 화면</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>일련번호</translation>
    </message>
</context>
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>예비 캐비닛 %1번</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>서빙 캐비닛 %1번</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>이름 없음</translation>
    </message>
</context>
<context>
    <name>ConfigurationPage</name>
    <message>
        <source>No configurations found</source>
        <translation>구성을 찾을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>ConfigurationScanItem</name>
    <message>
        <source>Select Configuration Set</source>
        <translation>구성 세트 선택</translation>
    </message>
</context>
<context>
    <name>DayPartEditAssignItem</name>
    <message>
        <source>Vented</source>
        <translation>통풍형</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>밀폐형</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>False</source>
        <translation>이중</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>id:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>이름:</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>보온 시간:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>경고 시간:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>보온 온도</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>상부 온도</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>제품 온도</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>하부 온도</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>팬 속도:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>초기화 시간:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>뚜껑 종류:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>바닥 종류:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>구역 분할:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>항목:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>색상:</translation>
    </message>
</context>
<context>
    <name>DayPartEditPanel</name>
    <message>
        <source>Breakfast</source>
        <translation>아침</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>점심/저녁</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>시간대</translation>
    </message>
</context>
<context>
    <name>DemoModeItem</name>
    <message>
        <source>Platform Info</source>
        <translation>플랫폼 정보</translation>
    </message>
    <message>
        <source>All holding timers canceled!</source>
        <translation>모든 보온 타이머가 취소되었습니다!</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>유틸리티</translation>
    </message>
    <message>
        <source>Demo mode enabled</source>
        <translation>데모 모드 사용</translation>
    </message>
    <message>
        <source>Enable screen shots</source>
        <translation>화면 캡처 사용</translation>
    </message>
    <message>
        <source>Products Editing</source>
        <translation>제품 편집</translation>
    </message>
    <message>
        <source>DEZ RIOT Enabled</source>
        <translation>DEZ RIOT 사용</translation>
    </message>
    <message>
        <source>Discard flash enable</source>
        <translation>폐기 시 깜박임</translation>
    </message>
    <message>
        <source>Vertical flip</source>
        <translation>상하 반전</translation>
    </message>
    <message>
        <source>Power Source: </source>
        <translation>전원: </translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>소리 테스트</translation>
    </message>
    <message>
        <source>Screen test</source>
        <translation>화면 테스트</translation>
    </message>
    <message>
        <source>Cancel All Holding</source>
        <translation>모든 보온 취소</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>화면 사용자 설정</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>파일 가져오기/내보내기</translation>
    </message>
    <message>
        <source>RFID ACCS. TESTING</source>
        <translation>RFID 액세서리 테스트</translation>
    </message>
    <message>
        <source>HEATERS TESTING</source>
        <translation>히터 테스트</translation>
    </message>
    <message>
        <source>Kernel:</source>
        <translation>커널:</translation>
    </message>
    <message>
        <source>Screen-shots exported to flash drive!</source>
        <translation>화면 캡처를 USB로 내보냈습니다!</translation>
    </message>
    <message>
        <source>No screen-shots to export!</source>
        <translation>내보낼 화면 캡처가 없습니다!</translation>
    </message>
    <message>
        <source>Wi-Fi Monitor</source>
        <translation>Wi-Fi 모니터</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>모든 오류 기록 삭제</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>계속 또는 취소</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>오류 기록</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>날짜/시간</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>오류 이름</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>기록 수: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>첫 기록: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>마지막 기록: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>모두 지우기</translation>
    </message>
</context>
<context>
    <name>FilesImportExportItem</name>
    <message>
        <source>Files Import / Export</source>
        <translation>파일 가져오기 / 내보내기</translation>
    </message>
    <message>
        <source>Insert a USB flash drive</source>
        <translation>USB 드라이브를 꽂으십시오</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>메뉴 파일 내보내기</translation>
    </message>
    <message>
        <source>Import Menu Files</source>
        <translation>메뉴 파일 가져오기</translation>
    </message>
    <message>
        <source>Export Screenshots</source>
        <translation>화면 캡처 내보내기</translation>
    </message>
    <message>
        <source>Export Error Log</source>
        <translation>오류 기록 내보내기</translation>
    </message>
    <message>
        <source>Export Holding Log</source>
        <translation>보온 기록 내보내기</translation>
    </message>
    <message>
        <source>Export Wifi Logs</source>
        <translation>Wi-Fi 기록 내보내기</translation>
    </message>
    <message>
        <source>Export Kernel Log</source>
        <translation>커널 기록 내보내기</translation>
    </message>
    <message>
        <source>Export IoT Logs</source>
        <translation>IoT 기록 내보내기</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>보온 기록을 내보냈습니다!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>보온 기록 내보내기 실패!</translation>
    </message>
    <message>
        <source>Screenshots exported!</source>
        <translation>화면 캡처를 내보냈습니다!</translation>
    </message>
    <message>
        <source>No screenshots to export.</source>
        <translation>내보낼 화면 캡처가 없습니다.</translation>
    </message>
</context>
<context>
    <name>GroupItemEditPanel</name>
    <message>
        <source>No products added to the group!</source>
        <translation>그룹에 추가된 제품이 없습니다!</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>그룹 이름이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>취소할까요?</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>제품 온도</translation>
    </message>
    <message>
        <source>Upper temperature:</source>
        <translation>상부 온도:</translation>
    </message>
    <message>
        <source>Lower temperature:</source>
        <translation>하부 온도:</translation>
    </message>
    <message>
        <source>Lid Type:</source>
        <translation>뚜껑 종류:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>구역 분할:</translation>
    </message>
    <message>
        <source>Fan speed:</source>
        <translation>팬 속도:</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>보온 기록</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>제품 이름</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>선반 번호</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>시작 시간</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>폐기됨</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>보온 시간</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>기록 수: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>모두 보기</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
</context>
<context>
    <name>HeaterZoneGrid</name>
    <message>
        <source>Invalid fan speed.&lt;br&gt;0 ≤ speed ≥ 100</source>
        <translation>팬 속도가 잘못되었습니다.&lt;br&gt;0 ≤ 속도 ≥ 100</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>구역 </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>켬</translation>
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
        <translation>보온 중에는
온도 테스트를 할 수 없습니다.</translation>
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
        <translation>테스트 취소: 작동 중인 타이머가 있습니다.</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>구역 진단</translation>
    </message>
    <message>
        <source>&lt;b&gt;Control Temperature:&lt;/b&gt;</source>
        <translation>&lt;b&gt;제어 온도:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>테스트
취소</translation>
    </message>
    <message>
        <source>Service
Test</source>
        <translation>서비스
테스트</translation>
    </message>
</context>
<context>
    <name>HeatersTestingItem</name>
    <message>
        <source>Temperature test disabled
while actively holding.</source>
        <translation>보온 중에는
온도 테스트를 할 수 없습니다.</translation>
    </message>
    <message>
        <source>Heaters Testing</source>
        <translation>히터 테스트</translation>
    </message>
    <message>
        <source>Cancel
Test</source>
        <translation>테스트
취소</translation>
    </message>
    <message>
        <source>Heaters
Test</source>
        <translation>히터
테스트</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>HiddenTagsView</name>
    <message>
        <source>Tags Not Found In Bins</source>
        <translation>칸에서 찾지 못한 태그</translation>
    </message>
    <message>
        <source>Tag #</source>
        <translation>태그 번호</translation>
    </message>
    <message>
        <source>Bin #</source>
        <translation>칸 번호</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>제품</translation>
    </message>
    <message>
        <source>De-Register Tag</source>
        <translation>태그 등록 해제</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Tavolen Import Unavailable&lt;br&gt;while timers are active!</source>
        <translation>타이머 작동 중에는&lt;br&gt;Tavolen 가져오기를 할 수 없습니다!</translation>
    </message>
</context>
<context>
    <name>KivErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>주 I/O 통신이 끊겼습니다.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>주 I/O 시스템 구성 시간 초과.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>주 I/O 시스템 구성 오류.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>온도 센서 \3 단락.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>온도 센서 \3 단선.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>히터 \3 저온 오류.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>히터 \3 고온 오류.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>온도 센서 \3 기준 오류.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>냉접점 \3 오류.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>시스템 과열 오류.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>히터 \3 과열 오류.</translation>
    </message>
    <message>
        <source>Power monitor ZX error.</source>
        <translation>전원 모니터 ZX 오류.</translation>
    </message>
    <message>
        <source>Power monitor communication error.</source>
        <translation>전원 모니터 통신 오류.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>구역 \3 꺼짐. 온도가 너무 낮습니다.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>구역 \3 꺼짐. 온도가 너무 높습니다.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>보조 화면 통신이 끊겼습니다.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>주 화면 통신이 끊겼습니다.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>I/O 보드 \3 통신이 끊겼습니다.</translation>
    </message>
    <message>
        <source>Unexpected UI reboot detected.</source>
        <translation>예기치 않은 화면 재시작이 감지되었습니다.</translation>
    </message>
    <message>
        <source>Communication bus voltage not detected.</source>
        <translation>통신 버스 전압이 감지되지 않습니다.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>NFC 보드 \2 통신이 끊겼습니다.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>연결이 거부되었습니다. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>원격 호스트가 연결을 닫았습니다. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>호스트를 찾을 수 없습니다. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>소켓 접근 오류. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>소켓 리소스 오류. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>소켓 시간 초과.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>데이터그램이 너무 큽니다. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>네트워크 오류. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>주소가 이미 사용 중입니다. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>소켓 주소를 사용할 수 없습니다. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>지원하지 않는 소켓 작업. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>프록시 인증이 필요합니다. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>SSL 핸드셰이크 실패. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>소켓 작업이 완료되지 않았습니다. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>프록시가 연결을 거부했습니다. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>프록시가 연결을 닫았습니다. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>프록시 연결 시간 초과. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>프록시를 찾을 수 없습니다. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>프록시 프로토콜 오류. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>작업 오류. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>SSL 내부 오류. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>SSL 사용자 데이터가 잘못되었습니다. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>일시적 오류. \3</translation>
    </message>
    <message>
        <source>RIOT SDK Error.</source>
        <translation>RIOT SDK 오류.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>이벤트 처리기가 설정되지 않았습니다.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>도메인 이름이 설정되지 않았습니다.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>루트 CA 파일이 없습니다.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>제조사 이름이 없습니다.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>모델 번호가 없습니다.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>일련번호가 없습니다.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>장치 설명자가 없습니다.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>매장 번호가 없습니다.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>일련번호가 영숫자가 아닙니다.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>장치 설명자 형식이 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>장치 소프트웨어 ID가 없습니다.</translation>
    </message>
    <message>
        <source>Failed to initialize RIoT.</source>
        <translation>RIoT 초기화에 실패했습니다.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>권한 없는 토픽이라 게시하지 못했습니다.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>권한 없는 토픽이라 구독하지 못했습니다.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>클라이언트 ID와 비밀 키가 만료되었거나 취소되었습니다.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>갱신 토큰이 만료되었거나 취소되었습니다.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>예기치 않은 미분류 오류.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>일반 TCP/IP 오류.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>TCP/IP 소켓 연결 오류.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>TCP/IP 소켓 읽기 오류.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>TCP/IP 소켓 쓰기 오류.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>일반 HTTP 오류.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>HTTP GET 오류.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>HTTP POST 오류.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>SSL 호스트 이름 오류로 MQTT 연결에 실패했습니다.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>다운로드한 파일의 체크섬이 지정된 체크섬과 다릅니다.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>체크섬 서명을 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>키 ID(kid)가 가리키는 키가 없습니다.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>ping 요청 실패로 게시 또는 구독에 실패했습니다.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>장치 초기화에 실패했습니다.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>이미 연결된 상태에서 MQTT 연결을 시도했습니다.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>연결이 끊기거나 연결하지 못해 MQTT 게시/구독에 실패했습니다.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>알 수 없는 MQTT 오류.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>알 수 없는 오류.</translation>
    </message>
</context>
<context>
    <name>KivRiot</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;프로비저닝 상태:&lt;/b&gt; 미등록</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;프로비저닝 상태:&lt;/b&gt; 등록 중</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;인증서 상태:&lt;/b&gt; 요청 시간 초과, 재시도 중...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;인증서 상태:&lt;/b&gt; 요청됨</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;인증서 상태:&lt;/b&gt; 수신됨</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;인증서 상태:&lt;/b&gt; 요청 시간 초과</translation>
    </message>
</context>
<context>
    <name>LanguagesPanel</name>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
</context>
<context>
    <name>MasterIoManager</name>
    <message>
        <source>I/O Configuration set timed out</source>
        <translation>I/O 구성 시간 초과</translation>
    </message>
    <message>
        <source>I/O Configuration set error</source>
        <translation>I/O 구성 오류</translation>
    </message>
    <message>
        <source>Power monitor communication error</source>
        <translation>전원 모니터 통신 오류</translation>
    </message>
    <message>
        <source>Power monitor ZX error</source>
        <translation>전원 모니터 ZX 오류</translation>
    </message>
</context>
<context>
    <name>MasterIoRawDebugItem</name>
    <message>
        <source>Raw Temp and NFC Tag Monitoring</source>
        <translation>원시 온도 및 NFC 태그 모니터링</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Communicating with Secondary UI</source>
        <translation>보조 화면과 통신 중</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;</source>
        <translation>&lt;b&gt;시스템 오류&lt;/b&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>보조 화면 통신이 끊겼습니다.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>주 화면 통신이 끊겼습니다.</translation>
    </message>
    <message>
        <source>Checking for Tavolen import</source>
        <translation>Tavolen 가져오기 확인 중</translation>
    </message>
    <message>
        <source>Default Day-Part loading</source>
        <translation>기본 시간대 불러오는 중</translation>
    </message>
    <message>
        <source>Checking for Holding Restoration</source>
        <translation>보온 복원 확인 중</translation>
    </message>
    <message>
        <source>Waiting for Primary UI.</source>
        <translation>주 화면을 기다리는 중입니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Secondary UI NOT FOUND!</source>
        <translation>&lt;b&gt;시스템 오류&lt;/b&gt;&lt;br&gt;보조 화면을 찾을 수 없습니다!</translation>
    </message>
</context>
<context>
    <name>McUsbExportItem</name>
    <message>
        <source>Tavolen Export</source>
        <translation>Tavolen 내보내기</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>메뉴 파일 내보내기</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>USB 드라이브를 확인하십시오</translation>
    </message>
</context>
<context>
    <name>McUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Tavolen&lt;/b&gt; Update</source>
        <translation>&lt;b&gt;Tavolen&lt;/b&gt; 업데이트</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Tavolen 파일을 찾을 수 없습니다!</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Silence Alarm</source>
        <translation>알람 끄기</translation>
    </message>
</context>
<context>
    <name>NameFieldMultilingual</name>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsItem</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>실패 횟수가 너무 많습니다.
서비스에 문의하십시오.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>기본 네트워크로 초기화할까요?</translation>
    </message>
    <message>
        <source>Network reset is complete.&lt;br&gt;Reboot the unit</source>
        <translation>네트워크가 초기화되었습니다.&lt;br&gt;장치를 다시 시작하십시오</translation>
    </message>
    <message>
        <source>Network Reset</source>
        <translation>네트워크 초기화</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Connected to permanent</source>
        <translation>&lt;b&gt;프로비저닝 상태:&lt;/b&gt; 영구 연결됨</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Disconnected from permanent</source>
        <translation>&lt;b&gt;프로비저닝 상태:&lt;/b&gt; 영구 연결 끊김</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Wi-Fi 네트워크</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>사용</translation>
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
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>서브넷 마스크</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>기본 게이트웨이</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;인증서 상태:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt;</source>
        <translation>&lt;b&gt;프로비저닝 상태:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
</context>
<context>
    <name>NumericInputEdit</name>
    <message>
        <source>Invalid time value</source>
        <translation>잘못된 시간 값</translation>
    </message>
</context>
<context>
    <name>OrientationDialog</name>
    <message>
        <source>&lt;b&gt;Display not configured&lt;/b&gt;&lt;br&gt;Select the configuration of this unit.</source>
        <translation>&lt;b&gt;화면이 구성되지 않았습니다&lt;/b&gt;&lt;br&gt;이 장치의 구성을 선택하십시오.</translation>
    </message>
    <message>
        <source>Select Configuration</source>
        <translation>구성 선택</translation>
    </message>
</context>
<context>
    <name>ProductItemEditPanel</name>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>제품이 그룹의&lt;br&gt;제품 목록에서 제거됩니다</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>보온 온도</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>상부 온도</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>제품 온도</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>하부 온도</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>보온 시간</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>추가 조리 알림</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>초기화 시간</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>팬 속도</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>구역 분할:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>뚜껑 종류:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>밀폐형</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>통풍형</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>바닥 종류:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>False</source>
        <translation>이중</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>색상:</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>보온 시간이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>경고 시간이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>제품 이름이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>초기화 시간이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>보온 온도가 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Invalid fan speed value!</source>
        <translation>팬 속도가 잘못되었습니다!</translation>
    </message>
</context>
<context>
    <name>ProductTransferWindow</name>
    <message>
        <source>Select Timer To Transfer:</source>
        <translation>옮길 타이머를 선택하십시오:</translation>
    </message>
</context>
<context>
    <name>ProductsListPanel</name>
    <message>
        <source>Vented</source>
        <translation>통풍형</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>밀폐형</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>False</source>
        <translation>이중</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>그룹 삭제</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>제품 삭제</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>빈 그룹은 삭제됩니다</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>변경 사항을 저장할까요?</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>타이머 작동 중에는&lt;br&gt;제품을 편집할 수 없습니다!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>실패 횟수가 너무 많습니다.
서비스에 문의하십시오.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>작동 중인 타이머가 있어&lt;br&gt;제품 편집이 취소되었습니다.</translation>
    </message>
    <message>
        <source>id:</source>
        <translation>id:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>이름:</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>보온 온도</translation>
    </message>
    <message>
        <source>Upper Temperature</source>
        <translation>상부 온도</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>제품 온도</translation>
    </message>
    <message>
        <source>Lower Temperature</source>
        <translation>하부 온도</translation>
    </message>
    <message>
        <source>Hold time:</source>
        <translation>보온 시간:</translation>
    </message>
    <message>
        <source>Warning time:</source>
        <translation>경고 시간:</translation>
    </message>
    <message>
        <source>Fan Speed:</source>
        <translation>팬 속도:</translation>
    </message>
    <message>
        <source>Reset time:</source>
        <translation>초기화 시간:</translation>
    </message>
    <message>
        <source>Lid type:</source>
        <translation>뚜껑 종류:</translation>
    </message>
    <message>
        <source>Bottom type:</source>
        <translation>바닥 종류:</translation>
    </message>
    <message>
        <source>Zone splits:</source>
        <translation>구역 분할:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>항목:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>색상:</translation>
    </message>
    <message>
        <source>Max products/groups reached. Can&apos;t add new products/groups!</source>
        <translation>제품/그룹 최대 개수에 도달했습니다. 더 추가할 수 없습니다!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>칸의 시간대 지정을 제거할까요?</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>제품이 시간대&lt;br&gt;지정에서 제거됩니다</translation>
    </message>
    <message>
        <source>Touch a position to choose its product. Touch and hold to clear positions.</source>
        <translation>칸을 눌러 제품을 고르십시오. 길게 누르면 칸이 비워집니다.</translation>
    </message>
</context>
<context>
    <name>ResetConfigurationConfirmation</name>
    <message>
        <source>&lt;b&gt;Reset unit configuration?&lt;/b&gt;&lt;br&gt;The unit must be restarted afterwards.</source>
        <translation>&lt;b&gt;장치 구성을 초기화할까요?&lt;/b&gt;&lt;br&gt;이후 장치를 다시 시작해야 합니다.</translation>
    </message>
</context>
<context>
    <name>RfidAccsTesting</name>
    <message>
        <source>RFID Accessory Testing</source>
        <translation>RFID 액세서리 테스트</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Universal Tag</source>
        <translation>범용 태그</translation>
    </message>
</context>
<context>
    <name>SelectTargetModelGroup</name>
    <message>
        <source>Select Model</source>
        <translation>모델 선택</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Serial #</source>
        <translation>일련번호</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>모델 번호</translation>
    </message>
    <message>
        <source>Store #</source>
        <translation>매장 번호</translation>
    </message>
</context>
<context>
    <name>ServiceListView</name>
    <message>
        <source>Heater test unavailable&lt;br&gt;while timers are active!</source>
        <translation>타이머 작동 중에는&lt;br&gt;히터 테스트를 할 수 없습니다!</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>실패 횟수가 너무 많습니다.
서비스에 문의하십시오.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>모든 서비스 패널이 잠금 해제되었습니다!</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>관리자 PIN이 초기화되었습니다.</translation>
    </message>
</context>
<context>
    <name>SoundTestItem</name>
    <message>
        <source>Sound &amp; Screen Tests</source>
        <translation>소리 및 화면 테스트</translation>
    </message>
    <message>
        <source>UI customization</source>
        <translation>화면 사용자 설정</translation>
    </message>
</context>
<context>
    <name>SystemUpdateScreen</name>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Tavolen 파일을 가져왔습니다: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>지원하지 않는 파일 버전: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Tavolen 파일 가져오기 실패: </translation>
    </message>
    <message>
        <source>Tavolen Import</source>
        <translation>Tavolen 가져오기</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>로컬</translation>
    </message>
    <message>
        <source>No Tavolen files found!</source>
        <translation>Tavolen 파일을 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
</context>
<context>
    <name>TrayBar</name>
    <message>
        <source>Product Mismatch</source>
        <translation>제품 불일치</translation>
    </message>
    <message>
        <source>Menu Mismatch</source>
        <translation>메뉴 불일치</translation>
    </message>
    <message>
        <source>Invalid product definition</source>
        <translation>잘못된 제품 정의</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>초기화?</translation>
    </message>
    <message>
        <source>DISCARD!</source>
        <translation>폐기!</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>대기 중</translation>
    </message>
</context>
<context>
    <name>UiSkinItem</name>
    <message>
        <source>UI customization</source>
        <translation>화면 사용자 설정</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Changes pending. Please accept or cancel before re-locking.</source>
        <translation>저장되지 않은 변경 사항이 있습니다. 잠그기 전에 적용하거나 취소하십시오.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>실패 횟수가 너무 많습니다.
서비스에 문의하십시오.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>All update panels unlocked!</source>
        <translation>모든 업데이트 패널이 잠금 해제되었습니다!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Manager&apos;s PIN# was reset.</source>
        <translation>관리자 PIN이 초기화되었습니다.</translation>
    </message>
    <message>
        <source>Tavolen file imported: </source>
        <translation>Tavolen 파일을 가져왔습니다: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>지원하지 않는 파일 버전: </translation>
    </message>
    <message>
        <source>Tavolen file import failed: </source>
        <translation>Tavolen 파일 가져오기 실패: </translation>
    </message>
    <message>
        <source>Tavolen file exported: </source>
        <translation>Tavolen 파일을 내보냈습니다: </translation>
    </message>
    <message>
        <source>Tavolen file export failed!</source>
        <translation>Tavolen 파일 내보내기 실패!</translation>
    </message>
</context>
<context>
    <name>VscrollMessageDialog</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>WifiApSelectDialog</name>
    <message>
        <source>Wifi SSIDs</source>
        <translation>Wi-Fi 네트워크</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>MacAddr</source>
        <translation>MAC 주소</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>신호</translation>
    </message>
    <message>
        <source>Freq(GHz)</source>
        <translation>주파수(GHz)</translation>
    </message>
</context>
<context>
    <name>WifiMonitorPanel</name>
    <message>
        <source>Drag across the chart to read a check</source>
        <translation>차트를 끌어 측정값을 확인하십시오</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>연결 안 됨</translation>
    </message>
    <message>
        <source>Wi-Fi monitor</source>
        <translation>Wi-Fi 모니터</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>연결 품질</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>신호 세기</translation>
    </message>
    <message>
        <source>Auto save</source>
        <translation>자동 저장</translation>
    </message>
    <message>
        <source>No save</source>
        <translation>저장 안 함</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>checks</source>
        <translation>회 측정</translation>
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
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>WPA Enabled</source>
        <translation>WPA 사용</translation>
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
        <translation>줄 관리를 종료할까요?</translation>
    </message>
</context>
<context>
    <name>ZoneManager</name>
    <message>
        <source>Zone error: temperature sensor error</source>
        <translation>구역 오류: 온도 센서 오류</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>주 화면 통신이 끊겼습니다.</translation>
    </message>
    <message>
        <source>Primary I/O board comm lost.</source>
        <translation>주 I/O 보드 통신이 끊겼습니다.</translation>
    </message>
    <message>
        <source>I/O board comm loss.</source>
        <translation>I/O 보드 통신이 끊겼습니다.</translation>
    </message>
    <message>
        <source>Zone error: temp. B too high</source>
        <translation>구역 오류: B 온도 너무 높음</translation>
    </message>
    <message>
        <source>Zone error: temp. B too low.</source>
        <translation>구역 오류: B 온도 너무 낮음.</translation>
    </message>
    <message>
        <source>Zone error: temperature too high</source>
        <translation>구역 오류: 온도 너무 높음</translation>
    </message>
    <message>
        <source>Zone error: temperature too low.</source>
        <translation>구역 오류: 온도 너무 낮음.</translation>
    </message>
</context>
<context>
    <name>ZoneOptionsView</name>
    <message>
        <source>Eco Mode</source>
        <translation>에코 모드</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>끔</translation>
    </message>
</context>
<context>
    <name>ZoneView</name>
    <message>
        <source>Cannot start timers until preheat is complete</source>
        <translation>예열이 끝나야 타이머를 시작할 수 있습니다</translation>
    </message>
    <message>
        <source>Eco Mode</source>
        <translation>에코 모드</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>Exit Eco Mode?</source>
        <translation>에코 모드를 종료할까요?</translation>
    </message>
    <message>
        <source>Power On?</source>
        <translation>전원을 켤까요?</translation>
    </message>
    <message>
        <source>Enter Eco Mode?</source>
        <translation>에코 모드로 전환할까요?</translation>
    </message>
</context>
<context>
    <name>heaterDiagnostics</name>
    <message>
        <source>L: </source>
        <comment>left side</comment>
        <translation>좌: </translation>
    </message>
    <message>
        <source>R: </source>
        <comment>right side</comment>
        <translation>우: </translation>
    </message>
    <message>
        <source>U: </source>
        <comment>upper side</comment>
        <translation>상: </translation>
    </message>
    <message>
        <source>L: </source>
        <comment>lower side</comment>
        <translation>하: </translation>
    </message>
    <message>
        <source>F: </source>
        <comment>front side</comment>
        <translation>전: </translation>
    </message>
    <message>
        <source>B: </source>
        <comment>back side</comment>
        <translation>후: </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Save selected configuration?</source>
        <translation>선택한 구성을 저장할까요?</translation>
    </message>
    <message>
        <source>Reboot the unit</source>
        <translation>장치를 다시 시작하십시오</translation>
    </message>
    <message>
        <source>Invalid configuration selection</source>
        <translation>잘못된 구성 선택</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;System over temperature error! Check surrounding area for heat source.</source>
        <translation>&lt;b&gt;시스템 오류&lt;/b&gt;&lt;br&gt;시스템 과열! 주변에 열원이 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error&lt;/b&gt;&lt;br&gt;Heater over temperature error! Power off the cabinet.</source>
        <translation>&lt;b&gt;시스템 오류&lt;/b&gt;&lt;br&gt;히터 과열! 캐비닛 전원을 끄십시오.</translation>
    </message>
    <message>
        <source>Power Interrupted</source>
        <translation>전원 중단</translation>
    </message>
    <message>
        <source>Keep active timers</source>
        <translation>작동 중 타이머 유지</translation>
    </message>
    <message>
        <source>Clear active timers</source>
        <translation>작동 중 타이머 삭제</translation>
    </message>
    <message>
        <source>Firmware update in progress...</source>
        <translation>펌웨어 업데이트 중...</translation>
    </message>
    <message>
        <source>Menu update in progress...</source>
        <translation>메뉴 업데이트 중...</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>시스템 백업 중입니다.&lt;br&gt;USB를 뽑거나 전원을 끄지 마십시오</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>펌웨어 업데이트 파일 복사 중...&lt;br&gt;USB를 뽑거나 전원을 끄지 마십시오</translation>
    </message>
    <message>
        <source>&lt;b&gt;Waiting for hold&lt;br&gt;restoration confirmation&lt;/b&gt;</source>
        <translation>&lt;b&gt;보온 복원&lt;br&gt;확인 대기 중&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Heaters testing is started</source>
        <translation>히터 테스트를 시작했습니다</translation>
    </message>
    <message>
        <source>&lt;b&gt;UI ERROR!&lt;/b&gt;&lt;br&gt;Unexpected UI reboot detected!</source>
        <translation>&lt;b&gt;화면 오류!&lt;/b&gt;&lt;br&gt;예기치 않은 화면 재시작이 감지되었습니다!</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error!&lt;/b&gt;&lt;br&gt;Communication bus voltage not detected!&lt;br&gt;Check UI to IO cable</source>
        <translation>&lt;b&gt;시스템 오류!&lt;/b&gt;&lt;br&gt;통신 버스 전압이 감지되지 않습니다!&lt;br&gt;화면–I/O 케이블을 확인하십시오</translation>
    </message>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;시스템 오류:&lt;/b&gt;&lt;br&gt;Modbus 연결이 끊겼습니다.</translation>
    </message>
    <message>
        <source>Two PRIMARY touchscreens detected. Change configuration of the SECONDARY touchscreen.</source>
        <translation>주 터치스크린이 두 개 감지되었습니다. 보조 터치스크린의 구성을 변경하십시오.</translation>
    </message>
    <message>
        <source>Two SECONDARY touchscreens detected. Change configuration of the PRIMARY touchscreen.</source>
        <translation>보조 터치스크린이 두 개 감지되었습니다. 주 터치스크린의 구성을 변경하십시오.</translation>
    </message>
    <message>
        <source>System Error</source>
        <translation>시스템 오류</translation>
    </message>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>장치 구성이 완료되었습니다.&lt;br&gt;장치를 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>장치 구성이 초기화되었습니다.&lt;br&gt;장치를 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>Enter Cleaning Mode?</source>
        <translation>청소 모드로 전환할까요?</translation>
    </message>
    <message>
        <source>Clean Screen Now?</source>
        <translation>지금 화면을 청소할까요?</translation>
    </message>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;EOL 주소 감지를 시작했습니다&lt;/b&gt;</translation>
    </message>
</context>
</TS>
