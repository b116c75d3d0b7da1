<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CAboutSoftInfo</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;记录仪产品上位机软件&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>Logger software</translation>
    </message>
    <message>
        <source>V1.0.10</source>
        <translation>V1.0.10</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>CAuditJournal</name>
    <message>
        <source>Compliance mode is on: sign in first.</source>
        <translation>Compliance mode is on: sign in first.</translation>
    </message>
    <message>
        <source>A record is renamed only with a reason.</source>
        <translation>A record is renamed only with a reason.</translation>
    </message>
    <message>
        <source>A record is deleted only with a reason.</source>
        <translation>A record is deleted only with a reason.</translation>
    </message>
    <message>
        <source>Record %1 is signed: a signed record cannot be renamed.</source>
        <translation>Record %1 is signed: a signed record cannot be renamed.</translation>
    </message>
    <message>
        <source>%1 (%2) may not %3.</source>
        <translation>%1 (%2) may not %3.</translation>
    </message>
    <message>
        <source>The audit trail cannot be written: %1</source>
        <translation>The audit trail cannot be written: %1</translation>
    </message>
</context>
<context>
    <name>CAuditModel</name>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Desk</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>SHA-256 %1</source>
        <translation>SHA-256 %1</translation>
    </message>
</context>
<context>
    <name>CAuditPage</name>
    <message>
        <source>Audit trail</source>
        <translation>Audit trail</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Verify</translation>
    </message>
    <message>
        <source>Walks the whole chain and every signed record</source>
        <translation>Walks the whole chain and every signed record</translation>
    </message>
    <message>
        <source>any</source>
        <translation>any</translation>
    </message>
    <message>
        <source>&amp;Record:</source>
        <translation>&amp;Record:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;User:</translation>
    </message>
    <message>
        <source>&amp;Action:</source>
        <translation>&amp;Action:</translation>
    </message>
    <message>
        <source>Verification failed: %1</source>
        <translation>Verification failed: %1</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>record %1</translation>
    </message>
    <message>
        <source>user %1</source>
        <translation>user %1</translation>
    </message>
    <message>
        <source>action %1</source>
        <translation>action %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>History %1</source>
        <translation>History %1</translation>
    </message>
    <message>
        <source>Entries: %1</source>
        <translation>Entries: %1</translation>
    </message>
    <message>
        <source>all</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Printed %1 by %2 (%3) at %4</source>
        <translation>Printed %1 by %2 (%3) at %4</translation>
    </message>
    <message>
        <source>Verification: %1</source>
        <translation>Verification: %1</translation>
    </message>
    <message>
        <source>Head of the trail: entry %1, SHA-256 %2</source>
        <translation>Head of the trail: entry %1, SHA-256 %2</translation>
    </message>
    <message>
        <source>Export the audit trail</source>
        <translation>Export the audit trail</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>%1 Files (*.%2)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>The audit trail was exported: %n entries.</source>
        <translation>
            <numerusform>The audit trail was exported: %n entry.</numerusform>
            <numerusform>The audit trail was exported: %n entries.</numerusform>
        </translation>
    </message>
    <message>
        <source>The PDF holds the first %1 of %2 entries (as many as its pages take); the CSV export holds them all.</source>
        <translation>The PDF holds the first %1 of %2 entries (as many as its pages take); the CSV export holds them all.</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>Export &amp;PDF...</translation>
    </message>
    <message>
        <source>Export C&amp;SV...</source>
        <translation>Export C&amp;SV...</translation>
    </message>
    <message>
        <source>Da&amp;ys:</source>
        <translation>Da&amp;ys:</translation>
    </message>
</context>
<context>
    <name>CAuditTrail</name>
    <message>
        <source>audit entry %1 is missing (the trail goes on with entry %2)</source>
        <translation>audit entry %1 is missing (the trail goes on with entry %2)</translation>
    </message>
    <message>
        <source>audit entry %1 does not follow entry %2: the chain is broken there</source>
        <translation>audit entry %1 does not follow entry %2: the chain is broken there</translation>
    </message>
    <message>
        <source>audit entry %1 was changed: its hash does not match its content</source>
        <translation>audit entry %1 was changed: its hash does not match its content</translation>
    </message>
    <message>
        <source>audit entry %1 differs from the anchor file: the chain was rewritten</source>
        <translation>audit entry %1 differs from the anchor file: the chain was rewritten</translation>
    </message>
    <message>
        <source>the audit trail cannot be read: %1</source>
        <translation>the audit trail cannot be read: %1</translation>
    </message>
    <message>
        <source>audit entry %1 is missing: the anchor file noted entry %2, the trail ends at entry %3</source>
        <translation>audit entry %1 is missing: the anchor file noted entry %2, the trail ends at entry %3</translation>
    </message>
</context>
<context>
    <name>CCompareView</name>
    <message>
        <source>ji lu dui bi</source>
        <translation>Compare records</translation>
    </message>
    <message>
        <source>jing guo shi jian (shi:fen)</source>
        <translation>Elapsed time (h:min)</translation>
    </message>
    <message>
        <source>dui bi %1 tiao ji lu</source>
        <translation>%1 records compared</translation>
    </message>
    <message>
        <source>dao chu PNG</source>
        <translation>Export PNG</translation>
    </message>
    <message>
        <source>shang xian %1</source>
        <translation>Upper limit %1</translation>
    </message>
    <message>
        <source>xia xian %1</source>
        <translation>Lower limit %1</translation>
    </message>
    <message>
        <source>PNG tu pian (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>xin xi</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>wen jian dao chu cheng gong</source>
        <translation>File exported successfully</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>PNG wen jian xie ru shi bai: %1</source>
        <translation>The PNG file could not be written: %1</translation>
    </message>
</context>
<context>
    <name>CCompliance</name>
    <message>
        <source>The history refused the change: %1</source>
        <translation>The history refused the change: %1</translation>
    </message>
    <message>
        <source>The audit trail cannot be written: %1</source>
        <translation>The audit trail cannot be written: %1</translation>
    </message>
    <message>
        <source>An account name has 1 to 80 characters.</source>
        <translation>An account name has 1 to 80 characters.</translation>
    </message>
    <message>
        <source>An account name holds no blank and no control character.</source>
        <translation>An account name holds no blank and no control character.</translation>
    </message>
    <message>
        <source>A password has at least %1 characters.</source>
        <translation>A password has at least %1 characters.</translation>
    </message>
    <message>
        <source>Compliance mode is on: sign in first.</source>
        <translation>Compliance mode is on: sign in first.</translation>
    </message>
    <message>
        <source>%1 (%2) may not %3.</source>
        <translation>%1 (%2) may not %3.</translation>
    </message>
    <message>
        <source>Compliance mode is on already.</source>
        <translation>Compliance mode is on already.</translation>
    </message>
    <message>
        <source>The compliance tables cannot be made: %1</source>
        <translation>The compliance tables cannot be made: %1</translation>
    </message>
    <message>
        <source>%1 is no administrator.</source>
        <translation>%1 is no administrator.</translation>
    </message>
    <message>
        <source>The system&apos;s random source failed.</source>
        <translation>The system&apos;s random source failed.</translation>
    </message>
    <message>
        <source>Compliance mode is switched off only with a reason.</source>
        <translation>Compliance mode is switched off only with a reason.</translation>
    </message>
    <message>
        <source>The idle time is 0 (never) to 1440 minutes.</source>
        <translation>The idle time is 0 (never) to 1440 minutes.</translation>
    </message>
    <message>
        <source>Unknown user or wrong password.</source>
        <translation>Unknown user or wrong password.</translation>
    </message>
    <message>
        <source>The account %1 is disabled.</source>
        <translation>The account %1 is disabled.</translation>
    </message>
    <message>
        <source>The account %1 is locked after %2 wrong passwords; an administrator must unlock it.</source>
        <translation>The account %1 is locked after %2 wrong passwords; an administrator must unlock it.</translation>
    </message>
    <message>
        <source>Compliance mode is off for this history.</source>
        <translation>Compliance mode is off for this history.</translation>
    </message>
    <message>
        <source>There is an account %1 already.</source>
        <translation>There is an account %1 already.</translation>
    </message>
    <message>
        <source>There is no account %1.</source>
        <translation>There is no account %1.</translation>
    </message>
    <message>
        <source>%1 is the last administrator and stays enabled.</source>
        <translation>%1 is the last administrator and stays enabled.</translation>
    </message>
    <message>
        <source>A record is renamed only with a reason.</source>
        <translation>A record is renamed only with a reason.</translation>
    </message>
    <message>
        <source>Record %1 is signed: a signed record cannot be renamed.</source>
        <translation>Record %1 is signed: a signed record cannot be renamed.</translation>
    </message>
    <message>
        <source>A record is deleted only with a reason.</source>
        <translation>A record is deleted only with a reason.</translation>
    </message>
    <message>
        <source>There is no record %1 in the history.</source>
        <translation>There is no record %1 in the history.</translation>
    </message>
    <message>
        <source>The report of record %1 has changed since it was read: it cannot be signed.</source>
        <translation>The report of record %1 has changed since it was read: it cannot be signed.</translation>
    </message>
    <message>
        <source>%1 entries, chain intact, %2 signed records unchanged</source>
        <translation>%1 entries, chain intact, %2 signed records unchanged</translation>
    </message>
    <message>
        <source>the history&apos;s id is not the one its audit trail began with</source>
        <translation>the history&apos;s id is not the one its audit trail began with</translation>
    </message>
    <message>
        <source>compliance mode was switched off outside the program: the audit trail says it is on</source>
        <translation>compliance mode was switched off outside the program: the audit trail says it is on</translation>
    </message>
    <message>
        <source>compliance mode was switched on outside the program: the audit trail says it is off</source>
        <translation>compliance mode was switched on outside the program: the audit trail says it is off</translation>
    </message>
    <message>
        <source>record %1 cannot be read: %2</source>
        <translation>record %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>record %1 was signed (audit entry %2) and is gone without an audited deletion</source>
        <translation>record %1 was signed (audit entry %2) and is gone without an audited deletion</translation>
    </message>
    <message>
        <source>record %1 no longer matches its signature (audit entry %2 by %3): its content was changed</source>
        <translation>record %1 no longer matches its signature (audit entry %2 by %3): its content was changed</translation>
    </message>
    <message>
        <source>the signature of record %1 by %2 (audit entry %3) is missing or changed</source>
        <translation>the signature of record %1 by %2 (audit entry %3) is missing or changed</translation>
    </message>
    <message>
        <source>the report of record %1 no longer matches its signature: its file was changed</source>
        <translation>the report of record %1 no longer matches its signature: its file was changed</translation>
    </message>
    <message>
        <source>Record %1 has changed since it was signed: it cannot be signed again.</source>
        <translation>Record %1 has changed since it was signed: it cannot be signed again.</translation>
    </message>
</context>
<context>
    <name>CComplianceUi</name>
    <message>
        <source>&amp;Compliance</source>
        <translation>&amp;Compliance</translation>
    </message>
    <message>
        <source>&amp;Audit trail</source>
        <translation>&amp;Audit trail</translation>
    </message>
    <message>
        <source>Change my &amp;password...</source>
        <translation>Change my &amp;password...</translation>
    </message>
    <message>
        <source>&amp;Users and settings...</source>
        <translation>&amp;Users and settings...</translation>
    </message>
    <message>
        <source>Sign &amp;out</source>
        <translation>Sign &amp;out</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Signatures</translation>
    </message>
    <message>
        <source>Signed in as %1 (%2)</source>
        <translation>Signed in as %1 (%2)</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Not signed in</translation>
    </message>
    <message>
        <source>Account %1, signed in at %2</source>
        <translation>Account %1, signed in at %2</translation>
    </message>
    <message>
        <source>Change my password</source>
        <translation>Change my password</translation>
    </message>
    <message numerus="yes">
        <source>The new password of %1 (at least %n characters):</source>
        <translation>
            <numerusform>The new password of %1 (at least %n character):</numerusform>
            <numerusform>The new password of %1 (at least %n characters):</numerusform>
        </translation>
    </message>
    <message>
        <source>Compliance mode</source>
        <translation>Compliance mode</translation>
    </message>
    <message>
        <source>Your password was changed.</source>
        <translation>Your password was changed.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rename record</source>
        <translation>Rename record</translation>
    </message>
    <message>
        <source>Record %1 gets a new name. The audit trail keeps the old and the new name and your reason.</source>
        <translation>Record %1 gets a new name. The audit trail keeps the old and the new name and your reason.</translation>
    </message>
    <message>
        <source>Delete record %1 &quot;%2&quot; from the history? The audit trail keeps the deletion and your reason.</source>
        <translation>Delete record %1 &quot;%2&quot; from the history? The audit trail keeps the deletion and your reason.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the %n selected records from the history? The audit trail keeps each deletion and your reason.</source>
        <translation>
            <numerusform>Delete the %n selected record from the history? The audit trail keeps the deletion and your reason.</numerusform>
            <numerusform>Delete the %n selected records from the history? The audit trail keeps each deletion and your reason.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete records</source>
        <translation>Delete records</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>You sign record %1 &quot;%2&quot; as %3 (%4). Your password confirms the signature.</source>
        <translation>You sign record %1 &quot;%2&quot; as %3 (%4). Your password confirms the signature.</translation>
    </message>
    <message>
        <source>Compliance mode is off for this history. Its audit trail, accounts and signatures stay in it.</source>
        <translation>Compliance mode is off for this history. Its audit trail, accounts and signatures stay in it.</translation>
    </message>
    <message>
        <source>The file %1 was written, but the audit trail could not note it: %2</source>
        <translation>The file %1 was written, but the audit trail could not note it: %2</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>Rena&amp;me</translation>
    </message>
</context>
<context>
    <name>CDeviceConnect</name>
    <message>
        <source>设备连接成功</source>
        <translation>Device connection successfully</translation>
    </message>
    <message>
        <source>设备成功连接于计算机</source>
        <translation>Device connects with computer successfully</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;可以直接以操作U盘的方式读取PDF文档，也可以在上位机软件中通过相应的操作来查看数据。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>Data report could be directly generated by connecting logger USB port to PC, or data could be viewed through data management software.</translation>
    </message>
    <message>
        <source>下载数据</source>
        <translation>Down&amp;load data</translation>
    </message>
</context>
<context>
    <name>CDeviceDataInfo</name>
    <message>
        <source>概要信息</source>
        <translation>Summary Info</translation>
    </message>
    <message>
        <source>数据曲线</source>
        <translation>Data Curve</translation>
    </message>
    <message>
        <source>数据列表</source>
        <translation>Data List</translation>
    </message>
    <message>
        <source>导出为PDF文件</source>
        <translation>Export &amp;PDF file</translation>
    </message>
    <message>
        <source>文件另存为</source>
        <translation>File save as</translation>
    </message>
    <message>
        <source>ID000000_2020630112217841</source>
        <translation>ID000000_2020630112217841</translation>
    </message>
    <message>
        <source>设  备  信  息</source>
        <translation>Device Information</translation>
    </message>
    <message>
        <source>配  置  信  息</source>
        <translation>Configuration Information</translation>
    </message>
    <message>
        <source>统  计  信  息</source>
        <translation>Logging Summary</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>导出文件失败，没有加载相应的数据.</source>
        <translation>Failed to export file, no corresponding data loaded.</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>文件导出成功</source>
        <translation>File exported successfully</translation>
    </message>
    <message>
        <source>另存为文件失败，没有加载相应的历史数据.</source>
        <translation>Save as file failed, no corresponding historical data was loaded.</translation>
    </message>
    <message>
        <source>文件另存为操作成功</source>
        <translation>File saved successfully</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>Always ON</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Automatic OFF</translation>
    </message>
    <message>
        <source>是</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>否</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>延时</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>按键开启</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>按键关闭</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>定时开启</source>
        <translation>Timing</translation>
    </message>
    <message>
        <source>定时关闭</source>
        <translation>Timing</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Right Now</translation>
    </message>
    <message>
        <source>按键延时开启</source>
        <translation>Manual+Delay</translation>
    </message>
    <message>
        <source>EN</source>
        <translation>English</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>天</source>
        <translation>d</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>h</translation>
    </message>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>产品型号：</source>
        <translation>Device Code:</translation>
    </message>
    <message>
        <source>序列号：</source>
        <translation>Serial Number:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Firmware Version:</translation>
    </message>
    <message>
        <source>设备时区：</source>
        <translation>Time Zone:</translation>
    </message>
    <message>
        <source>设备时间：</source>
        <translation>Device Time:</translation>
    </message>
    <message>
        <source>探头类型：</source>
        <translation>Probe Type:</translation>
    </message>
    <message>
        <source>内置温度</source>
        <translation>Temperature(internal)</translation>
    </message>
    <message>
        <source>外置温度</source>
        <translation>Temperature(external)</translation>
    </message>
    <message>
        <source>内置温湿度</source>
        <translation>Temperature&amp;Humidity(internal)</translation>
    </message>
    <message>
        <source>外置温湿度</source>
        <translation>Temperature&amp;Humidity(external)</translation>
    </message>
    <message>
        <source>温度单位：</source>
        <translation>Temperature Unit:</translation>
    </message>
    <message>
        <source>文件格式：</source>
        <translation>Format：</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>电池电量：</source>
        <translation>Battery:</translation>
    </message>
    <message>
        <source>记录开启模式：</source>
        <translation>Start Mode:</translation>
    </message>
    <message>
        <source>延时开启方式：</source>
        <translation>Start Delay:</translation>
    </message>
    <message>
        <source>定时开启时间：</source>
        <translation>ON Time:</translation>
    </message>
    <message>
        <source>正常记录间隔：</source>
        <translation>Log Interval:</translation>
    </message>
    <message>
        <source>报警记录间隔：</source>
        <translation>Alarm Interval:</translation>
    </message>
    <message>
        <source>报警延时：</source>
        <translation>Alarm Delay:</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>循环记录：</source>
        <translation>Circular Mode:</translation>
    </message>
    <message>
        <source>重复启动：</source>
        <translation>Multiple Trips Allowed:</translation>
    </message>
    <message>
        <source>记录关闭模式：</source>
        <translation>Stop Mode:</translation>
    </message>
    <message>
        <source>定时关闭时间：</source>
        <translation>OFF Time:</translation>
    </message>
    <message>
        <source>屏幕常显：</source>
        <translation>On-Screen Mode:</translation>
    </message>
    <message>
        <source>按键长按重置记录：</source>
        <translation>Manual to Reset Log:</translation>
    </message>
    <message>
        <source>下发配置时重置记录：</source>
        <translation>Reset record after configuration:</translation>
    </message>
    <message>
        <source>报警总时长：</source>
        <translation>Alarm Elapsed Time:</translation>
    </message>
    <message>
        <source>报警条数：</source>
        <translation>Alarm Data Points:</translation>
    </message>
    <message>
        <source>报警类型：</source>
        <translation>Alarm Type:</translation>
    </message>
    <message>
        <source>行程序列号：</source>
        <translation>Trip ID:</translation>
    </message>
    <message>
        <source>记录开始时间：</source>
        <translation>Start Time:</translation>
    </message>
    <message>
        <source>记录停止时间：</source>
        <translation>Stop Time:</translation>
    </message>
    <message>
        <source>记录开启次数：</source>
        <translation>Trip Counts:</translation>
    </message>
    <message>
        <source>记录总时长：</source>
        <translation>Total Elapsed Time:</translation>
    </message>
    <message>
        <source>记录条数：</source>
        <translation>Total Data Points:</translation>
    </message>
    <message>
        <source>行程描述：</source>
        <translation>Trip Description:</translation>
    </message>
    <message>
        <source>MKT:</source>
        <translation>MKT:</translation>
    </message>
    <message>
        <source>温湿度上限：</source>
        <translation>Upper Limit:</translation>
    </message>
    <message>
        <source>温湿度下限：</source>
        <translation>Lower Limit:</translation>
    </message>
    <message>
        <source>温湿度最大值：</source>
        <translation>Highest:</translation>
    </message>
    <message>
        <source>温湿度最小值：</source>
        <translation>Lowest:</translation>
    </message>
    <message>
        <source>温湿度平均值：</source>
        <translation>Average:</translation>
    </message>
    <message>
        <source>温度上限：</source>
        <translation>Upper Limit：</translation>
    </message>
    <message>
        <source>温度下限：</source>
        <translation>Lower Limit:</translation>
    </message>
    <message>
        <source>温度最大值：</source>
        <translation>Highest:</translation>
    </message>
    <message>
        <source>温度最小值：</source>
        <translation>Lowest:</translation>
    </message>
    <message>
        <source>温度平均值：</source>
        <translation>Average:</translation>
    </message>
    <message>
        <source>无报警</source>
        <translation>[No Alarm]</translation>
    </message>
    <message>
        <source>低于下限</source>
        <translation>[Below Lower Limit]</translation>
    </message>
    <message>
        <source>高于上限</source>
        <translation>[Exceed Upper Limit]</translation>
    </message>
    <message>
        <source>温度低于下限</source>
        <translation>[Temp Below Lower Limit]</translation>
    </message>
    <message>
        <source>温度高于上限</source>
        <translation>[Temp Exceed Upper Limit]</translation>
    </message>
    <message>
        <source>湿度低于下限</source>
        <translation>[Humi Below Lower Limit]</translation>
    </message>
    <message>
        <source>湿度高于上限</source>
        <translation>[Humi Exceed Upper Limit]</translation>
    </message>
    <message>
        <source>温度</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>湿度</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>温度 </source>
        <translation>Temperature </translation>
    </message>
    <message>
        <source>wen du space-------------------</source>
        <translation>Temperature           </translation>
    </message>
    <message>
        <source>CSV文件写入失败：%1</source>
        <translation>The CSV file could not be written: %1</translation>
    </message>
    <message>
        <source>导出为CSV文件</source>
        <translation>Export &amp;CSV</translation>
    </message>
    <message>
        <source>时间无法读取的样本（未绘制）：%1</source>
        <translation>Samples without a readable time (not drawn): %1</translation>
    </message>
    <message>
        <source>仅显示前 %1 条数据，共 %2 条</source>
        <translation>Showing the first %1 of %2 samples</translation>
    </message>
    <message>
        <source>文件另存为</source>
        <comment>button</comment>
        <translation>File &amp;save as</translation>
    </message>
    <message>
        <source>正在复制报告文件...</source>
        <translation>Copying the report file...</translation>
    </message>
</context>
<context>
    <name>CDeviceSetting</name>
    <message>
        <source>xing cheng id hao bi xu wei 8 ge zhi jie</source>
        <translation>Trip ID should be 8 characters</translation>
    </message>
    <message>
        <source>mei you ke yong de ji lu yi she bei</source>
        <translation>Logger device unavailable</translation>
    </message>
    <message>
        <source>xing cheng miao shu xin xi bu neng chang yu 32 ge zhi fu ,han zi bu de cao guo 16 ge</source>
        <translation>Trip description no longer than 32 characters (or 16 Chinese characters)</translation>
    </message>
    <message>
        <source>pei zhi xin xi xie ru cheng gong ,qing ba xia ji lu yi shi pei zhi li ji sheng xiao</source>
        <translation>Configuration written successfully, please disconnect logger to make configuration effective.</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>xin xi</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>基本配置模式</source>
        <translation>&amp;Basic configuration mode</translation>
    </message>
    <message>
        <source>高级配置模式</source>
        <translation>&amp;Advanced configuration mode</translation>
    </message>
    <message>
        <source>保存模板</source>
        <translation>Save &amp;template</translation>
    </message>
    <message>
        <source>保存参数</source>
        <translation>Save &amp;parameters</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>Temperature unit</translation>
    </message>
    <message>
        <source>℃</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>℉</source>
        <translation>℉</translation>
    </message>
    <message>
        <source>XC000000</source>
        <translation>XC000000</translation>
    </message>
    <message>
        <source>行程编号</source>
        <translation>Trip Number</translation>
    </message>
    <message>
        <source>选择配置文件</source>
        <translation>Configuration file</translation>
    </message>
    <message>
        <source>同步模板参数</source>
        <translation>Sync Te&amp;mplate parameters</translation>
    </message>
    <message>
        <source>手动开启</source>
        <translation>Manual start</translation>
    </message>
    <message>
        <source>按键延时开启</source>
        <translation>Key time-delay start</translation>
    </message>
    <message>
        <source>定时开启</source>
        <translation>Timing start</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Always start</translation>
    </message>
    <message>
        <source>开启模式</source>
        <translation>Start mode：</translation>
    </message>
    <message>
        <source>同步设备参数</source>
        <translation>Sync De&amp;vice parameters</translation>
    </message>
    <message>
        <source>分</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>启动延迟</source>
        <translation>Start delay：</translation>
    </message>
    <message>
        <source>定时开启时间</source>
        <translation>Timing start time：</translation>
    </message>
    <message>
        <source>手动关闭</source>
        <translation>Manual stop</translation>
    </message>
    <message>
        <source>定时关闭</source>
        <translation>Timing stop</translation>
    </message>
    <message>
        <source>关闭模式</source>
        <translation>Stop mode：</translation>
    </message>
    <message>
        <source>定时关闭时间</source>
        <translation>Timing stop time：</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Sec</translation>
    </message>
    <message>
        <source>正常记录间隔</source>
        <translation>Normal record interval：</translation>
    </message>
    <message>
        <source>超限记录间隔</source>
        <translation>Over limit record interval：</translation>
    </message>
    <message>
        <source>报警延时时间</source>
        <translation>Alarm delay time：</translation>
    </message>
    <message>
        <source>报警设置</source>
        <translation>Alarm settings</translation>
    </message>
    <message>
        <source>温度上限</source>
        <translation>Temperature upper limit:</translation>
    </message>
    <message>
        <source>温度下限</source>
        <translation>Temperature lower limit:</translation>
    </message>
    <message>
        <source>温度修正</source>
        <translation>Temperature calibration:</translation>
    </message>
    <message>
        <source>湿度上限</source>
        <translation>Humidity upper limit:</translation>
    </message>
    <message>
        <source>湿度下限</source>
        <translation>Humidity lower limit:</translation>
    </message>
    <message>
        <source>湿度修正</source>
        <translation>Humidity calibration:</translation>
    </message>
    <message>
        <source>导出文件设置</source>
        <translation>Export file settings</translation>
    </message>
    <message>
        <source>报告语言</source>
        <translation>Report language</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>&amp;Chinese</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>TXT</source>
        <translation>TXT</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>导出文件类型 </source>
        <translation>Export file type </translation>
    </message>
    <message>
        <source>高级设置</source>
        <translation>Advanced settings</translation>
    </message>
    <message>
        <source>不循环</source>
        <translation>Full capacity stop</translation>
    </message>
    <message>
        <source>循环</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>循环记录</source>
        <translation>Circular log:</translation>
    </message>
    <message>
        <source>不清空</source>
        <translation>No clear</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>清空已存记录</source>
        <translation>Clear saved record:</translation>
    </message>
    <message>
        <source>不允许</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>允许</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>重复启动</source>
        <translation>Multiple start:</translation>
    </message>
    <message>
        <source>长按键清空数据</source>
        <translation>Clear data by long press key：</translation>
    </message>
    <message>
        <source>按时关闭</source>
        <translation>Timing off</translation>
    </message>
    <message>
        <source>常显</source>
        <translation>Always on</translation>
    </message>
    <message>
        <source>LCD是否常显示</source>
        <translation>LCD always on:</translation>
    </message>
    <message>
        <source>du</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>f</source>
        <translation>℉</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;行程编号仅支持字母和数字，最大为8个字符.&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;宋体&apos;;&quot;&gt;行程描述支持字母、数字和汉字，最大为32个字符或&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Calibri&apos;;&quot;&gt;16&lt;/span&gt;&lt;span style=&quot; font-family:&apos;宋体&apos;;&quot;&gt;个汉字.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The trip number only supports letters and numbers, with a maximum of 8 characters.&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;宋体&apos;;&quot;&gt;The trip description supports letters, numbers and Chinese characters, with a maximum of 32 characters or &lt;/span&gt;&lt;span style=&quot; font-family:&apos;Calibri&apos;;&quot;&gt;16&lt;/span&gt;&lt;span style=&quot; font-family:&apos;宋体&apos;;&quot;&gt; Chinese characters.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>mo ban xin xi</source>
        <translation>Template information</translation>
    </message>
    <message>
        <source>qing shu ru mo ban de wen jian ming :</source>
        <translation>please input template file name</translation>
    </message>
    <message>
        <source>qu xiao</source>
        <translation>cancel</translation>
    </message>
    <message>
        <source>wen jian ming chong fu ,bao cun shi bai.</source>
        <translation>file name repeated, save failure</translation>
    </message>
    <message>
        <source>dang qian pei zhi wen jian xin xi bao cun cheng gong</source>
        <translation>current template file save success</translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>wen du xian zhi he xiu zheng zhi bi xu zai -127.9 ℃ dao 127.9 ℃ zhi jian</source>
        <translation>Temperature limits and calibration must lie between -127.9 ℃ and 127.9 ℃</translation>
    </message>
    <message>
        <source>pei zhi xin xi xie ru shi bai ,qing jian cha ji lu yi shi fou reng ran lian jie bing you ke yong kong jian</source>
        <translation>Writing the configuration to the logger failed. Please check that the logger is still connected and has free space.</translation>
    </message>
    <message>
        <source>mo ban ming cheng bu neng wei kong ,ye bu neng bao han &quot;/&quot;</source>
        <translation>The template name must not be empty or contain &quot;/&quot;.</translation>
    </message>
    <message>
        <source>wu fa zai ji lu yi shang chuang jian setting.ini ,qing jian cha ji lu yi ci pan shi fou ke xie</source>
        <translation>Cannot create setting.ini on the logger. Please check that the logger drive is writable.</translation>
    </message>
    <message>
        <source>bao jing xian zhi he xiu zheng zhi bi xu shi you xiao de shu zhi</source>
        <translation>Alarm limits and calibration values must be valid numbers</translation>
    </message>
    <message>
        <source>dian nao ri qi he ding shi kai qi ,guan bi shi jian bi xu zai 2000 nian dao 2255 nian zhi jian</source>
        <translation>The computer&apos;s date and the timing start and stop times must lie between the years 2000 and 2255</translation>
    </message>
    <message>
        <source>mo ban wen jian yi sun huai ,wei neng zai ru</source>
        <translation>The template file is damaged and was not loaded.</translation>
    </message>
    <message>
        <source>mo ban bao cun shi bai ,qing jian cha mo ban wen jian jia shi fou ke xie</source>
        <translation>The template could not be saved. Please check that the template folder is writable.</translation>
    </message>
</context>
<context>
    <name>CDravik</name>
    <message>
        <source>sou suo she bei</source>
        <translation>Searching device</translation>
    </message>
    <message>
        <source>she bei she zhi</source>
        <translation>Device setting</translation>
    </message>
    <message>
        <source>shu ju ji lu</source>
        <translation>Data record</translation>
    </message>
    <message>
        <source>ti shi</source>
        <translation>Prompt</translation>
    </message>
    <message>
        <source>que ding tui chu Fenmor shang wei ji ruan jian ma ?</source>
        <translation>Are you sure you want to exit the software?</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>qu xiao</source>
        <translation>Cancle</translation>
    </message>
    <message>
        <source>shu ju du qu zhong ...</source>
        <translation>Data reading...</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>du qu she bei zhong de shu ju chu quo ,qing jian cha she bei shi fou you wen ti </source>
        <translation>Error occurs when reading device data, please check if device fails.</translation>
    </message>
    <message>
        <source>ji lu bao cun shi bai ,li shi ji lu mei you gai bian ,qing jian cha ci pan kong jian </source>
        <translation>The record could not be stored in the history database; the history is unchanged. Please check the free disk space.</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 bu shi pu tong wen jian, wei du qu</source>
        <translation>The report %1 is not a regular file (a folder, pipe, device or socket); it was not read.</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 tai da, bu shi ji lu yi bao gao, wei du qu</source>
        <translation>The report %1 is too large for a logger report; it was not read.</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 zhong mei you she bei hao he shu ju, wei bao cun</source>
        <translation>The report %1 holds neither a device number nor any sample; nothing was stored.</translation>
    </message>
    <message>
        <source>wu fa lian jie gong xiang li shi ji lu (%1). Du qu de ji lu bao cun zai ben ji, ke yi lian jie shi zi dong fu zhi dao gong xiang li shi ji lu.</source>
        <translation>The shared history cannot be reached (%1). Records read meanwhile are kept on this computer and copied to the shared history automatically when it can be reached again.</translation>
    </message>
    <message>
        <source>yi jing zai li shi ji lu zhong: %1</source>
        <translation>Already in the history as %1</translation>
    </message>
    <message>
        <source>zheng zai wei li shi ji lu jian li suo yin (jin yi ci)...</source>
        <translation>Indexing the history (once; a large history takes a while)...</translation>
    </message>
    <message>
        <source>li shi ji lu %1 yi sun huai, wu fa du qu (%2). Wen jian bao chi yuan yang, bu hui xie ru ren he nei rong; qing cong bei fen hui fu.</source>
        <translation>The history %1 is damaged and cannot be read (%2). The file is left exactly as it is and nothing is written into it; restore it from a backup.</translation>
    </message>
    <message>
        <source>gong xiang li shi ji lu de di zhi bu ke yong (%1). Du qu de ji lu bao cun zai ben ji, di zhi geng zheng hou zi dong fu zhi dao gong xiang li shi ji lu.</source>
        <translation>The shared history&apos;s URL cannot be used (%1). Records read meanwhile are kept on this computer and copied to the shared history once the URL is corrected.</translation>
    </message>
    <message>
        <source>bao gao wu fa fu zhi dao ben ji %1: %2</source>
        <translation>The report could not be copied to this computer (%1): %2</translation>
    </message>
    <message>
        <source>ji lu yi ci pan %1: %2</source>
        <translation>Logger drive %1: %2</translation>
    </message>
    <message>
        <source>li shi ji lu: %1</source>
        <translation>History: %1</translation>
    </message>
    <message>
        <source>zheng zai fu zhi dao gong xiang li shi ji lu ...</source>
        <translation>Copying to the shared history...</translation>
    </message>
    <message>
        <source>zheng zai da kai ji lu ...</source>
        <translation>Opening the record...</translation>
    </message>
    <message>
        <source>zheng zai du qu ji lu ...</source>
        <translation>Reading the records...</translation>
    </message>
</context>
<context>
    <name>CDravikClass</name>
    <message>
        <source>搜索设备</source>
        <translation>&amp;Search device</translation>
    </message>
    <message>
        <source>设备参数</source>
        <translation>Device &amp;parameter</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>&amp;Historical record</translation>
    </message>
    <message>
        <source>其他设置</source>
        <translation>&amp;Other setting</translation>
    </message>
    <message>
        <source>关于上位机</source>
        <translation>&amp;About software</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>设备</source>
        <translation>&amp;Device</translation>
    </message>
    <message>
        <source>选项 </source>
        <translation>&amp;Option</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>CExportCsv</name>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Trip ID</source>
        <translation>Trip ID</translation>
    </message>
    <message>
        <source>Trip description</source>
        <translation>Trip description</translation>
    </message>
    <message>
        <source>Temperature upper limit(%1)</source>
        <translation>Temperature upper limit(%1)</translation>
    </message>
    <message>
        <source>Temperature lower limit(%1)</source>
        <translation>Temperature lower limit(%1)</translation>
    </message>
    <message>
        <source>Humidity upper limit(%RH)</source>
        <translation>Humidity upper limit(%RH)</translation>
    </message>
    <message>
        <source>Humidity lower limit(%RH)</source>
        <translation>Humidity lower limit(%RH)</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Temperature(%1)</source>
        <translation>Temperature(%1)</translation>
    </message>
    <message>
        <source>Humidity(%RH)</source>
        <translation>Humidity(%RH)</translation>
    </message>
    <message>
        <source>Reviewed</source>
        <translation>Reviewed</translation>
    </message>
    <message>
        <source>Approved</source>
        <translation>Approved</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Rejected</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Signatures</translation>
    </message>
    <message>
        <source>Audit trail</source>
        <translation>Audit trail</translation>
    </message>
</context>
<context>
    <name>CFileMenu</name>
    <message>
        <source>da kai bao gao wen jian...</source>
        <translation>&amp;Open report...</translation>
    </message>
    <message>
        <source>da kai bao gao wen jian</source>
        <translation>Open report</translation>
    </message>
    <message>
        <source>ji lu yi bao gao (*.pdf *.csv *.txt);;suo you wen jian (*)</source>
        <translation>Logger reports (*.pdf *.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>zui jin da kai de bao gao</source>
        <translation>&amp;Recent reports</translation>
    </message>
    <message>
        <source>dao chu PDF wen jian...</source>
        <translation>&amp;Export PDF file...</translation>
    </message>
    <message>
        <source>dao chu CSV wen jian...</source>
        <translation>Export &amp;CSV file...</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 de hou zhui bu shi xiao xie de pdf, csv huo txt, wei du qu</source>
        <translation>The report %1 was not read: its suffix must be pdf, csv or txt in lower case.</translation>
    </message>
    <message>
        <source>wen jian %1 bu shi PDF, CSV huo TXT bao gao, wei du qu</source>
        <translation>%1 is not a PDF, CSV or TXT report; it was not read.</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 bu shi pu tong wen jian, wei du qu</source>
        <translation>The report %1 is not a regular file (a folder, pipe, device or socket); it was not read.</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 tai da, bu shi ji lu yi bao gao, wei du qu</source>
        <translation>The report %1 is too large for a logger report; it was not read.</translation>
    </message>
    <message>
        <source>wu fa du qu wen jian %1 (%2), wei du qu</source>
        <translation>The file %1 could not be read (%2).</translation>
    </message>
</context>
<context>
    <name>CHistoryRecord</name>
    <message>
        <source>bao gao wen jian yi bu cun zai</source>
        <translation>The report file of this record no longer exists.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;记录仪历史数据&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Logger historical data&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>xu hao</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>shu ju ming cheng</source>
        <translation>Data name</translation>
    </message>
    <message>
        <source>xing cheng miao shu</source>
        <translation>Trip description</translation>
    </message>
    <message>
        <source>shan cheu</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>chong ming ming</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>file save as</source>
        <translation>File save &amp;as</translation>
    </message>
    <message>
        <source>cha kan xiang qing</source>
        <translation>&amp;View details</translation>
    </message>
    <message>
        <source>ti shi</source>
        <translation>prompt</translation>
    </message>
    <message>
        <source>que ding yao shan chu chi tiao shu ju ji lu ma ?</source>
        <translation>Are you sure to delete this data record?</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>qu xiao</source>
        <translation>Cancle</translation>
    </message>
    <message>
        <source>shu ju chong ming ming</source>
        <translation>Data save as</translation>
    </message>
    <message>
        <source>qing shu ru xin de shu ju ming cheng :</source>
        <translation>Input new data name:</translation>
    </message>
    <message>
        <source>ling cun wei wen jian shi bai ,mei you jia zai xiang ying de li shi shu ju</source>
        <translation>File save failure, no corresponding historical data is uploaded</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>wen jian ling cun wei</source>
        <translation>File save as</translation>
    </message>
    <message>
        <source>wen jian ling cun wei cao zuo cheng gong</source>
        <translation>File save success</translation>
    </message>
    <message>
        <source>xin xi</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>shan chu shi bai ,shu ju ji lu mei you gai bian </source>
        <translation>Delete failed; the data record is unchanged.</translation>
    </message>
    <message>
        <source>chong ming ming shi bai ,shu ju ji lu mei you gai bian </source>
        <translation>Rename failed; the data record is unchanged.</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 zai du qu hou bei xiu gai guo (SHA-256 bu fu), wei dao chu</source>
        <translation>The report file %1 has changed since it was read (its SHA-256 differs); it is not exported or saved.</translation>
    </message>
    <message>
        <source>dui bi</source>
        <translation>&amp;Compare</translation>
    </message>
    <message>
        <source>zui duo ke dui bi %1 tiao ji lu, yi xuan zhong %2 tiao.</source>
        <translation>At most %1 records can be compared; %2 are selected.</translation>
    </message>
    <message>
        <source>sou suo ming cheng, she bei hao, xing cheng ID, xing cheng miao shu</source>
        <translation>Search name, device number, trip ID, description</translation>
    </message>
    <message>
        <source>jin xian shi bao jing ji lu</source>
        <translation>&amp;Alarms only</translation>
    </message>
    <message>
        <source>xing cheng kai shi ri qi</source>
        <translation>&amp;Trip start between</translation>
    </message>
    <message>
        <source>zhi xian shi qian %1 tiao pi pei de ji lu, qing shu ru geng duo nei rong suo xiao fan wei</source>
        <translation>Only the first %1 matching records are shown; type more to narrow the list.</translation>
    </message>
    <message>
        <source>xing cheng kai shi</source>
        <translation>Trip start</translation>
    </message>
    <message>
        <source>bao jing</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>xu lie hao</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>ji lu shi fou you bao jing</source>
        <translation>Whether the trip had alarms</translation>
    </message>
    <message>
        <source>mei you pi pei de xing cheng. qing qing chu sou suo nei rong huo fang kuan ri qi fan wei.</source>
        <translation>No trip matches. Clear the search field or widen the date range.</translation>
    </message>
    <message numerus="yes">
        <source>%1 / %n xing cheng</source>
        <translation>
            <numerusform>%1 of %n trip</numerusform>
            <numerusform>%1 of %n trips</numerusform>
        </translation>
    </message>
    <message>
        <source>que ding yao shan chu xuan zhong de %1 tiao shu ju ji lu ma ?</source>
        <translation>Are you sure to delete the %1 selected data records?</translation>
    </message>
    <message>
        <source>shi</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>fou</source>
        <translation>No</translation>
    </message>
    <message>
        <source>zheng zai du qu bao gao wen jian ...</source>
        <translation>Reading the report file...</translation>
    </message>
    <message>
        <source>zheng zai fu zhi bao gao wen jian ...</source>
        <translation>Copying the report file...</translation>
    </message>
</context>
<context>
    <name>CHistoryRecordContent</name>
    <message>
        <source>bao gao wen jian yi bu cun zai</source>
        <translation>The report file of this record no longer exists.</translation>
    </message>
    <message>
        <source>ID000000_2020630112217841</source>
        <translation>ID000000_2020630112217841</translation>
    </message>
    <message>
        <source>导出PDF文档</source>
        <translation>Export &amp;PDF file</translation>
    </message>
    <message>
        <source>导出原始PDF文档</source>
        <translation>Export o&amp;riginal file</translation>
    </message>
    <message>
        <source>统计信息</source>
        <translation>Statistic information</translation>
    </message>
    <message>
        <source>数据曲线</source>
        <translation>Data curve</translation>
    </message>
    <message>
        <source>数据列表</source>
        <translation>Data list</translation>
    </message>
    <message>
        <source>she bei xin xi</source>
        <translation>Device Information</translation>
    </message>
    <message>
        <source>chan pin xing hao</source>
        <translation>Device Code</translation>
    </message>
    <message>
        <source>xu lie hao</source>
        <translation>Serial Number</translation>
    </message>
    <message>
        <source>she bei shi jian</source>
        <translation>Device Time</translation>
    </message>
    <message>
        <source>tan tou lei xing</source>
        <translation>Probe Type</translation>
    </message>
    <message>
        <source>she bei shi qu</source>
        <translation>Time Zone</translation>
    </message>
    <message>
        <source>pei zhi xin xi </source>
        <translation>Configuration Information</translation>
    </message>
    <message>
        <source>ji lu kai shi mo shi</source>
        <translation>Start Mode</translation>
    </message>
    <message>
        <source>ji lu guan bi mo shi</source>
        <translation>Stop Mode</translation>
    </message>
    <message>
        <source>yan shi kai qi fang shi</source>
        <translation>Start Delay</translation>
    </message>
    <message>
        <source>ding shi guan bi shi jian</source>
        <translation>OFF TIME</translation>
    </message>
    <message>
        <source>ding shi kai qi shi jian</source>
        <translation>ON TIME</translation>
    </message>
    <message>
        <source>wen shi du shang xian </source>
        <translation>Upper Limit</translation>
    </message>
    <message>
        <source>wen du shang xian</source>
        <translation>Upper Limit</translation>
    </message>
    <message>
        <source>zheng chang ji lu jian ge</source>
        <translation>Log Interval</translation>
    </message>
    <message>
        <source>wen shi du xia xian</source>
        <translation>Lower Limit</translation>
    </message>
    <message>
        <source>wen du xia xian</source>
        <translation>Lower Limit</translation>
    </message>
    <message>
        <source>bao jing ji lu jian ge</source>
        <translation>Alarm Interval</translation>
    </message>
    <message>
        <source>bao jing yan shi</source>
        <translation>Alarm Delay</translation>
    </message>
    <message>
        <source>kai qi chang an chong zhi ji lu</source>
        <translation>Manual to Reset Log</translation>
    </message>
    <message>
        <source>xun huan ji lu</source>
        <translation>Circular Mode</translation>
    </message>
    <message>
        <source>xia fa pei zhi shi chong zhi ji lu</source>
        <translation>Reset record after configuration</translation>
    </message>
    <message>
        <source>chong fu qi dong</source>
        <translation>Multiple Trips Allowed</translation>
    </message>
    <message>
        <source>屏幕常显</source>
        <translation>On-Screen Mode</translation>
    </message>
    <message>
        <source>tong ji xin xi</source>
        <translation>Logging Summary</translation>
    </message>
    <message>
        <source>wen shi du zui da zhi</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>wen du zui da zhi</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>ji lu kai shi shi jian</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>wen shi du zui xiao zhi</source>
        <translation>Lowest</translation>
    </message>
    <message>
        <source>wen du zui xiao zhi</source>
        <translation>Lowest</translation>
    </message>
    <message>
        <source>ji lu ting zhi shi jian</source>
        <translation>Stop Time</translation>
    </message>
    <message>
        <source>wen shi du ping jun zhi</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>wen du ping jun zhi</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>ji lu kai qi ci shu</source>
        <translation>Trip Counts</translation>
    </message>
    <message>
        <source>ji lu zhong shi chang</source>
        <translation>Total Elapsed Time</translation>
    </message>
    <message>
        <source>bao jing zhong shi chang</source>
        <translation>Alarm Elapsed Time</translation>
    </message>
    <message>
        <source>ji lu tiao shu</source>
        <translation>Total Data Points</translation>
    </message>
    <message>
        <source>bao jing tiao shu</source>
        <translation>Alarm Data Points</translation>
    </message>
    <message>
        <source>xing cheng xu lie hao</source>
        <translation>Trip ID</translation>
    </message>
    <message>
        <source>bao jing lei xing</source>
        <translation>Alarm Type</translation>
    </message>
    <message>
        <source>xing cheng miao shu</source>
        <translation>Trip Description</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>mei you xuan zhong xiang ying ji lu wu fa dao chu </source>
        <translation>Export failure due to no record is selected.</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>wen jian dao chu cheng gong</source>
        <translation>File export success</translation>
    </message>
    <message>
        <source>xin xi</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>ling cun wei wen jian shi bai ,mei you jia zai xiang ying de li shi shu ju</source>
        <translation>File save failure, no corresponding historical data is uploaded</translation>
    </message>
    <message>
        <source>wen jian ling cun wei</source>
        <translation>File save as</translation>
    </message>
    <message>
        <source>wen jian ling cun wei cao zuo cheng gong</source>
        <translation>File save success</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 bu shi pu tong wen jian, wei du qu</source>
        <translation>The report %1 is not a regular file (a folder, pipe, device or socket); it was not read.</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 tai da, bu shi ji lu yi bao gao, wei du qu</source>
        <translation>The report %1 is too large for a logger report; it was not read.</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 wu fa du qu</source>
        <translation>The report %1 cannot be read.</translation>
    </message>
    <message>
        <source>CSV wen jian xie ru shi bai: %1</source>
        <translation>The CSV file could not be written: %1</translation>
    </message>
    <message>
        <source>dao chu CSV wen jian</source>
        <translation>Export &amp;CSV</translation>
    </message>
    <message>
        <source>bao gao SHA-256: wu (du qu shi wei ji lu)</source>
        <translation>Report SHA-256: none (not kept when the record was read)</translation>
    </message>
    <message>
        <source>bao gao wen jian yu du qu shi yi zhi</source>
        <translation>The report file is unchanged since it was read.</translation>
    </message>
    <message>
        <source>bao gao wen jian zai du qu hou bei xiu gai guo</source>
        <translation>The report file has CHANGED since it was read.</translation>
    </message>
    <message>
        <source>ben ji mei you bao gao wen jian</source>
        <translation>The report file is not on this computer.</translation>
    </message>
    <message>
        <source>bao gao SHA-256: %1</source>
        <translation>Report SHA-256: %1</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 zai du qu hou bei xiu gai guo (SHA-256 bu fu), wei dao chu</source>
        <translation>The report file %1 has changed since it was read (its SHA-256 differs); it is not exported or saved.</translation>
    </message>
    <message>
        <source>zheng zai du qu bao gao wen jian ...</source>
        <translation>Reading the report file...</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 bu shi ji lu yi bao gao, wei dao chu</source>
        <translation>The report file %1 is no logger report; it is not exported.</translation>
    </message>
    <message>
        <source>zheng zai fu zhi bao gao wen jian ...</source>
        <translation>Copying the report file...</translation>
    </message>
</context>
<context>
    <name>CMessageBox</name>
    <message>
        <source>Open &amp;file</source>
        <translation>Open &amp;file</translation>
    </message>
    <message>
        <source>Open f&amp;older</source>
        <translation>Open f&amp;older</translation>
    </message>
</context>
<context>
    <name>CReasonDialog</name>
    <message>
        <source>New &amp;name:</source>
        <translation>New &amp;name:</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Reason:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>CRecentReports</name>
    <message>
        <source>qing chu lie biao</source>
        <translation>&amp;Clear list</translation>
    </message>
</context>
<context>
    <name>CSearchDevice</name>
    <message>
        <source>搜索设备...</source>
        <translation>search device...</translation>
    </message>
    <message>
        <source>现在请将设备连接于计算机</source>
        <translation>Please connect device with computer now.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;如果当前连接的是可自动生成PDF报告的设备，那么设备需要在生成报告后才能与上位机通讯，这个过程大概需要十几秒的时间。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;If connected device could automatically generate data report, then device could only communicate with software after finishing generating data report, which takes about 10s to max.4 mins. &lt;br/&gt;&lt;br/&gt;&lt;span style=&apos;color:#3b3c3e;&apos;&gt;Note: It takes about 1 minute for exporting every 10000pieces data.&lt;/span&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>CSession</name>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Reviewer</source>
        <translation>Reviewer</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>read loggers</source>
        <translation>read loggers</translation>
    </message>
    <message>
        <source>open records</source>
        <translation>open records</translation>
    </message>
    <message>
        <source>export records</source>
        <translation>export records</translation>
    </message>
    <message>
        <source>configure loggers</source>
        <translation>configure loggers</translation>
    </message>
    <message>
        <source>rename records</source>
        <translation>rename records</translation>
    </message>
    <message>
        <source>sign records</source>
        <translation>sign records</translation>
    </message>
    <message>
        <source>delete records</source>
        <translation>delete records</translation>
    </message>
    <message>
        <source>manage users</source>
        <translation>manage users</translation>
    </message>
    <message>
        <source>change the compliance settings</source>
        <translation>change the compliance settings</translation>
    </message>
</context>
<context>
    <name>CSettingFileManager</name>
    <message>
        <source>settingFileManager_title</source>
        <translation>Configuration and template management</translation>
    </message>
    <message>
        <source>修正值是否显示：</source>
        <translation>Display calibration value：</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>display</translation>
    </message>
    <message>
        <source>不显示</source>
        <translation>no display</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>Language：</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>中文(简体)</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>模板管理</source>
        <translation>Template management</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>mo ban xin xi</source>
        <translation>Configuration info</translation>
    </message>
    <message>
        <source>qing shu ru mo ban de wen jian ming :</source>
        <translation>input template file name.</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>qu xiao</source>
        <translation>Cancle</translation>
    </message>
    <message>
        <source>wen jian ming chong fu ,bao cun shi bai.</source>
        <translation>File name repeated, save failure</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ti shi</source>
        <translation>Prompt</translation>
    </message>
    <message>
        <source>que ding shan chu ming wei </source>
        <translation>Are you sure to delete file  named as</translation>
    </message>
    <message>
        <source> de wen jian ma ?</source>
        <translation> de wen jian ma ?</translation>
    </message>
    <message>
        <source>mo ban ming cheng bu neng wei kong ,ye bu neng bao han &quot;/&quot;</source>
        <translation>The template name must not be empty or contain &quot;/&quot;.</translation>
    </message>
    <message>
        <source>mo ban chong ming ming shi bai</source>
        <translation>The template could not be renamed.</translation>
    </message>
    <message>
        <source>mo ban shan chu shi bai</source>
        <translation>The template could not be deleted.</translation>
    </message>
</context>
<context>
    <name>CSignDialog</name>
    <message>
        <source>Sign record</source>
        <translation>Sign record</translation>
    </message>
    <message>
        <source>&amp;Meaning:</source>
        <translation>&amp;Meaning:</translation>
    </message>
    <message>
        <source>C&amp;omment:</source>
        <translation>C&amp;omment:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>&amp;Sign</source>
        <translation>&amp;Sign</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>CSignInDialog</name>
    <message>
        <source>Sign in</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>Session locked</source>
        <translation>Session locked</translation>
    </message>
    <message>
        <source>Compliance mode is on: every reading, change and signature is recorded under your account. Sign in to go on.</source>
        <translation>Compliance mode is on: every reading, change and signature is recorded under your account. Sign in to go on.</translation>
    </message>
    <message numerus="yes">
        <source>The session of %1 was locked after %n minutes without use. Enter your password to go on, or sign out.</source>
        <translation>
            <numerusform>The session of %1 was locked after %n minute without use. Enter your password to go on, or sign out.</numerusform>
            <numerusform>The session of %1 was locked after %n minutes without use. Enter your password to go on, or sign out.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;User:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>&amp;Sign in</source>
        <translation>&amp;Sign in</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Sign &amp;out</source>
        <translation>Sign &amp;out</translation>
    </message>
    <message>
        <source>Un&amp;lock</source>
        <translation>Un&amp;lock</translation>
    </message>
</context>
<context>
    <name>CSignatureBook</name>
    <message>
        <source>Reviewed</source>
        <translation>Reviewed</translation>
    </message>
    <message>
        <source>Approved</source>
        <translation>Approved</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Rejected</translation>
    </message>
</context>
<context>
    <name>CSignaturePanel</name>
    <message>
        <source>Meaning</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>Signed by</source>
        <translation>Signed by</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>&amp;Sign...</source>
        <translation>&amp;Sign...</translation>
    </message>
    <message>
        <source>Content SHA-256 %1, audit entry %2</source>
        <translation>Content SHA-256 %1, audit entry %2</translation>
    </message>
    <message>
        <source>No record is shown.</source>
        <translation>No record is shown.</translation>
    </message>
    <message>
        <source>Record %1 is not signed yet.</source>
        <translation>Record %1 is not signed yet.</translation>
    </message>
    <message>
        <source>Record %1 is signed: it cannot be renamed, and only an administrator deletes it, with a reason.</source>
        <translation>Record %1 is signed: it cannot be renamed, and only an administrator deletes it, with a reason.</translation>
    </message>
</context>
<context>
    <name>CTableExport</name>
    <message numerus="yes">
        <source>%n more rows are not printed here: the CSV export holds them all.</source>
        <translation>
            <numerusform>%n more row is not printed here: the CSV export holds it.</numerusform>
            <numerusform>%n more rows are not printed here: the CSV export holds them all.</numerusform>
        </translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>CTaskRunner</name>
    <message>
        <source>qu xiao</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CUsersDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Users and settings</source>
        <translation>Users and settings</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Printed name</source>
        <translation>Printed name</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>&amp;Disable...</source>
        <translation>&amp;Disable...</translation>
    </message>
    <message>
        <source>Un&amp;lock</source>
        <translation>Un&amp;lock</translation>
    </message>
    <message>
        <source>Set pass&amp;word...</source>
        <translation>Set pass&amp;word...</translation>
    </message>
    <message>
        <source>Compliance mode of this history</source>
        <translation>Compliance mode of this history</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>never</source>
        <translation>never</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>A&amp;pply</translation>
    </message>
    <message>
        <source>Switch compliance mode o&amp;ff...</source>
        <translation>Switch compliance mode o&amp;ff...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>disabled</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>locked</translation>
    </message>
    <message>
        <source>active</source>
        <translation>active</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;New password:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Repeat:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>The two passwords differ.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add user</source>
        <translation>Add user</translation>
    </message>
    <message>
        <source>&amp;Printed name:</source>
        <translation>&amp;Printed name:</translation>
    </message>
    <message>
        <source>R&amp;ole:</source>
        <translation>R&amp;ole:</translation>
    </message>
    <message>
        <source>&amp;Initial password:</source>
        <translation>&amp;Initial password:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>Disable account</source>
        <translation>Disable account</translation>
    </message>
    <message>
        <source>Disable the account %1? It cannot sign in any more; what it did and signed stays.</source>
        <translation>Disable the account %1? It cannot sign in any more; what it did and signed stays.</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Disable</translation>
    </message>
    <message>
        <source>Unlock account</source>
        <translation>Unlock account</translation>
    </message>
    <message>
        <source>Set password</source>
        <translation>Set password</translation>
    </message>
    <message numerus="yes">
        <source>The new password of %1 (at least %n characters):</source>
        <translation>
            <numerusform>The new password of %1 (at least %n character):</numerusform>
            <numerusform>The new password of %1 (at least %n characters):</numerusform>
        </translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Idle time</translation>
    </message>
    <message>
        <source>The new idle time holds from each user&apos;s next sign-in.</source>
        <translation>The new idle time holds from each user&apos;s next sign-in.</translation>
    </message>
    <message>
        <source>Switch compliance mode off</source>
        <translation>Switch compliance mode off</translation>
    </message>
    <message>
        <source>Switch compliance mode off for this history? From then on nobody signs in and nothing is audited until an administrator switches it on again; the audit trail, accounts and signatures stay.</source>
        <translation>Switch compliance mode off for this history? From then on nobody signs in and nothing is audited until an administrator switches it on again; the audit trail, accounts and signatures stay.</translation>
    </message>
    <message>
        <source>Switch &amp;off</source>
        <translation>Switch &amp;off</translation>
    </message>
    <message>
        <source>Lock the window af&amp;ter</source>
        <translation>Lock the window af&amp;ter</translation>
    </message>
    <message>
        <source>Account na&amp;me:</source>
        <translation>Account na&amp;me:</translation>
    </message>
</context>
<context>
    <name>ExportOption</name>
    <message>
        <source>导出设置选项</source>
        <translation>Export setting option</translation>
    </message>
    <message>
        <source>时间设置</source>
        <translation>time setting</translation>
    </message>
    <message>
        <source>开始时间：</source>
        <translation>start time:</translation>
    </message>
    <message>
        <source>结束时间：</source>
        <translation>stop time:</translation>
    </message>
    <message>
        <source>存储路径</source>
        <translation>storage path</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>se&amp;lect</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>&amp;save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>&amp;cancel</translation>
    </message>
    <message>
        <source>file export postion</source>
        <translation>File export position</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>jie su shi jian bu neng zao yu kai shi shi jian  </source>
        <translation>stop time could not be early than start time, please reset.</translation>
    </message>
    <message>
        <source>queding</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>%1 Files (*.%2)</translation>
    </message>
    <message>
        <source>PDF wen jian xie ru shi bai: %1</source>
        <translation>The PDF file could not be written: %1</translation>
    </message>
    <message>
        <source>CSV layout</source>
        <translation>CSV layout</translation>
    </message>
    <message>
        <source>Comma, decimal point (1.5)</source>
        <translation>Comma, decimal point (1.5)</translation>
    </message>
    <message>
        <source>Semicolon, decimal comma (1,5)</source>
        <translation>Semicolon, decimal comma (1,5)</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Separator:</translation>
    </message>
    <message>
        <source>Trip details above the samples</source>
        <translation>Trip details above the samples</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exporting...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>cuo wu</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>cheng xu ji jing zai yun xing,qing guan bi hou zai chong xin da kai</source>
        <translation>The software is already running. Please close it and reopen it again</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
