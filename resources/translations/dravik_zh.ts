<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CAboutSoftInfo</name>
    <message>
        <source>关于</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;记录仪产品上位机软件&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;记录仪产品上位机软件&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>V1.0.10</source>
        <translation>V1.0.10</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>CAuditJournal</name>
    <message>
        <source>Compliance mode is on: sign in first.</source>
        <translation>合规模式已开启：请先登录。</translation>
    </message>
    <message>
        <source>A record is renamed only with a reason.</source>
        <translation>重命名记录必须填写原因。</translation>
    </message>
    <message>
        <source>A record is deleted only with a reason.</source>
        <translation>删除记录必须填写原因。</translation>
    </message>
    <message>
        <source>Record %1 is signed: a signed record cannot be renamed.</source>
        <translation>记录 %1 已签名：已签名的记录不能重命名。</translation>
    </message>
    <message>
        <source>%1 (%2) may not %3.</source>
        <translation>%1（%2）无权%3。</translation>
    </message>
    <message>
        <source>The audit trail cannot be written: %1</source>
        <translation>无法写入审计追踪：%1</translation>
    </message>
</context>
<context>
    <name>CAuditModel</name>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>工作站</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
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
        <translation>审计追踪</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>校验(&amp;V)</translation>
    </message>
    <message>
        <source>Walks the whole chain and every signed record</source>
        <translation>校验整条哈希链及每条已签名记录</translation>
    </message>
    <message>
        <source>any</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>&amp;Record:</source>
        <translation>记录(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>用户(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Action:</source>
        <translation>操作(&amp;A)：</translation>
    </message>
    <message>
        <source>Verification failed: %1</source>
        <translation>校验失败：%1</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>记录 %1</translation>
    </message>
    <message>
        <source>user %1</source>
        <translation>用户 %1</translation>
    </message>
    <message>
        <source>action %1</source>
        <translation>操作 %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>History %1</source>
        <translation>历史记录库 %1</translation>
    </message>
    <message>
        <source>Entries: %1</source>
        <translation>条目：%1</translation>
    </message>
    <message>
        <source>all</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Printed %1 by %2 (%3) at %4</source>
        <translation>打印时间 %1，打印人 %2（%3），工作站 %4</translation>
    </message>
    <message>
        <source>Verification: %1</source>
        <translation>校验：%1</translation>
    </message>
    <message>
        <source>Head of the trail: entry %1, SHA-256 %2</source>
        <translation>审计追踪末端：条目 %1，SHA-256 %2</translation>
    </message>
    <message>
        <source>Export the audit trail</source>
        <translation>导出审计追踪</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>%1 文件 (*.%2)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message numerus="yes">
        <source>The audit trail was exported: %n entries.</source>
        <translation>
            <numerusform>审计追踪已导出：%n 条。</numerusform>
        </translation>
    </message>
    <message>
        <source>The PDF holds the first %1 of %2 entries (as many as its pages take); the CSV export holds them all.</source>
        <translation>PDF 只包含 %2 条中的前 %1 条（受页数所限）；CSV 导出包含全部条目。</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>导出PDF(&amp;P)...</translation>
    </message>
    <message>
        <source>Export C&amp;SV...</source>
        <translation>导出CSV(&amp;S)...</translation>
    </message>
    <message>
        <source>Da&amp;ys:</source>
        <translation>日期(&amp;Y)：</translation>
    </message>
</context>
<context>
    <name>CAuditTrail</name>
    <message>
        <source>audit entry %1 is missing (the trail goes on with entry %2)</source>
        <translation>审计条目 %1 缺失（追踪从条目 %2 继续）</translation>
    </message>
    <message>
        <source>audit entry %1 does not follow entry %2: the chain is broken there</source>
        <translation>审计条目 %1 与条目 %2 不相接：哈希链在此断开</translation>
    </message>
    <message>
        <source>audit entry %1 was changed: its hash does not match its content</source>
        <translation>审计条目 %1 已被修改：其哈希与内容不符</translation>
    </message>
    <message>
        <source>audit entry %1 differs from the anchor file: the chain was rewritten</source>
        <translation>审计条目 %1 与锚定文件不符：哈希链已被改写</translation>
    </message>
    <message>
        <source>the audit trail cannot be read: %1</source>
        <translation>无法读取审计追踪：%1</translation>
    </message>
    <message>
        <source>audit entry %1 is missing: the anchor file noted entry %2, the trail ends at entry %3</source>
        <translation>审计条目 %1 缺失：锚定文件记有条目 %2，追踪止于条目 %3</translation>
    </message>
</context>
<context>
    <name>CCompareView</name>
    <message>
        <source>ji lu dui bi</source>
        <translation>记录对比</translation>
    </message>
    <message>
        <source>jing guo shi jian (shi:fen)</source>
        <translation>经过时间（时:分）</translation>
    </message>
    <message>
        <source>dui bi %1 tiao ji lu</source>
        <translation>对比 %1 条记录</translation>
    </message>
    <message>
        <source>dao chu PNG</source>
        <translation>导出PNG</translation>
    </message>
    <message>
        <source>shang xian %1</source>
        <translation>上限 %1</translation>
    </message>
    <message>
        <source>xia xian %1</source>
        <translation>下限 %1</translation>
    </message>
    <message>
        <source>PNG tu pian (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>xin xi</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>wen jian dao chu cheng gong</source>
        <translation>文件导出成功</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>PNG wen jian xie ru shi bai: %1</source>
        <translation>PNG文件写入失败：%1</translation>
    </message>
</context>
<context>
    <name>CCompliance</name>
    <message>
        <source>The history refused the change: %1</source>
        <translation>历史数据库拒绝了此修改：%1</translation>
    </message>
    <message>
        <source>The audit trail cannot be written: %1</source>
        <translation>无法写入审计追踪：%1</translation>
    </message>
    <message>
        <source>An account name has 1 to 80 characters.</source>
        <translation>账户名须为 1 到 80 个字符。</translation>
    </message>
    <message>
        <source>An account name holds no blank and no control character.</source>
        <translation>账户名不能包含空格或控制字符。</translation>
    </message>
    <message>
        <source>A password has at least %1 characters.</source>
        <translation>密码至少需要 %1 个字符。</translation>
    </message>
    <message>
        <source>Compliance mode is on: sign in first.</source>
        <translation>合规模式已开启：请先登录。</translation>
    </message>
    <message>
        <source>%1 (%2) may not %3.</source>
        <translation>%1（%2）无权%3。</translation>
    </message>
    <message>
        <source>Compliance mode is on already.</source>
        <translation>合规模式已经开启。</translation>
    </message>
    <message>
        <source>The compliance tables cannot be made: %1</source>
        <translation>无法创建合规数据表：%1</translation>
    </message>
    <message>
        <source>%1 is no administrator.</source>
        <translation>%1 不是管理员。</translation>
    </message>
    <message>
        <source>The system&apos;s random source failed.</source>
        <translation>系统随机数源失败。</translation>
    </message>
    <message>
        <source>Compliance mode is switched off only with a reason.</source>
        <translation>关闭合规模式必须填写原因。</translation>
    </message>
    <message>
        <source>The idle time is 0 (never) to 1440 minutes.</source>
        <translation>空闲时间为 0（从不）到 1440 分钟。</translation>
    </message>
    <message>
        <source>Unknown user or wrong password.</source>
        <translation>用户不存在或密码错误。</translation>
    </message>
    <message>
        <source>The account %1 is disabled.</source>
        <translation>账户 %1 已停用。</translation>
    </message>
    <message>
        <source>The account %1 is locked after %2 wrong passwords; an administrator must unlock it.</source>
        <translation>账户 %1 因 %2 次密码错误已被锁定，须由管理员解锁。</translation>
    </message>
    <message>
        <source>Compliance mode is off for this history.</source>
        <translation>此历史数据库未开启合规模式。</translation>
    </message>
    <message>
        <source>There is an account %1 already.</source>
        <translation>账户 %1 已存在。</translation>
    </message>
    <message>
        <source>There is no account %1.</source>
        <translation>账户 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is the last administrator and stays enabled.</source>
        <translation>%1 是最后一名管理员，不能停用。</translation>
    </message>
    <message>
        <source>A record is renamed only with a reason.</source>
        <translation>重命名记录必须填写原因。</translation>
    </message>
    <message>
        <source>Record %1 is signed: a signed record cannot be renamed.</source>
        <translation>记录 %1 已签名：已签名的记录不能重命名。</translation>
    </message>
    <message>
        <source>A record is deleted only with a reason.</source>
        <translation>删除记录必须填写原因。</translation>
    </message>
    <message>
        <source>There is no record %1 in the history.</source>
        <translation>历史数据库中没有记录 %1。</translation>
    </message>
    <message>
        <source>The report of record %1 has changed since it was read: it cannot be signed.</source>
        <translation>记录 %1 的报告在读取后已被修改：不能签名。</translation>
    </message>
    <message>
        <source>%1 entries, chain intact, %2 signed records unchanged</source>
        <translation>%1 条审计条目，哈希链完整，%2 条已签名记录未被修改</translation>
    </message>
    <message>
        <source>the history&apos;s id is not the one its audit trail began with</source>
        <translation>历史数据库的标识与审计追踪开始时的标识不符</translation>
    </message>
    <message>
        <source>compliance mode was switched off outside the program: the audit trail says it is on</source>
        <translation>合规模式在程序之外被关闭：审计追踪记录其为开启</translation>
    </message>
    <message>
        <source>compliance mode was switched on outside the program: the audit trail says it is off</source>
        <translation>合规模式在程序之外被开启：审计追踪记录其为关闭</translation>
    </message>
    <message>
        <source>record %1 cannot be read: %2</source>
        <translation>无法读取记录 %1：%2</translation>
    </message>
    <message>
        <source>record %1 was signed (audit entry %2) and is gone without an audited deletion</source>
        <translation>记录 %1 已签名（审计条目 %2），却在没有审计记录的情况下被删除</translation>
    </message>
    <message>
        <source>record %1 no longer matches its signature (audit entry %2 by %3): its content was changed</source>
        <translation>记录 %1 与其签名（审计条目 %2，%3 签署）不再相符：内容已被修改</translation>
    </message>
    <message>
        <source>the signature of record %1 by %2 (audit entry %3) is missing or changed</source>
        <translation>记录 %1 由 %2 签署的签名（审计条目 %3）缺失或已被修改</translation>
    </message>
    <message>
        <source>the report of record %1 no longer matches its signature: its file was changed</source>
        <translation>记录 %1 的报告与其签名不再相符：报告文件已被修改</translation>
    </message>
    <message>
        <source>Record %1 has changed since it was signed: it cannot be signed again.</source>
        <translation>记录 %1 在签名后已被修改：不能再次签名。</translation>
    </message>
</context>
<context>
    <name>CComplianceUi</name>
    <message>
        <source>&amp;Compliance</source>
        <translation>合规(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Audit trail</source>
        <translation>审计追踪(&amp;A)</translation>
    </message>
    <message>
        <source>Change my &amp;password...</source>
        <translation>修改我的密码(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Users and settings...</source>
        <translation>用户与设置(&amp;U)...</translation>
    </message>
    <message>
        <source>Sign &amp;out</source>
        <translation>退出登录(&amp;O)</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>Signed in as %1 (%2)</source>
        <translation>已登录：%1（%2）</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>未登录</translation>
    </message>
    <message>
        <source>Account %1, signed in at %2</source>
        <translation>账户 %1，登录于 %2</translation>
    </message>
    <message>
        <source>Change my password</source>
        <translation>修改我的密码</translation>
    </message>
    <message numerus="yes">
        <source>The new password of %1 (at least %n characters):</source>
        <translation>
            <numerusform>%1 的新密码（至少 %n 个字符）：</numerusform>
        </translation>
    </message>
    <message>
        <source>Compliance mode</source>
        <translation>合规模式</translation>
    </message>
    <message>
        <source>Your password was changed.</source>
        <translation>您的密码已修改。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Rename record</source>
        <translation>重命名记录</translation>
    </message>
    <message>
        <source>Record %1 gets a new name. The audit trail keeps the old and the new name and your reason.</source>
        <translation>记录 %1 将被重命名。审计追踪会保存旧名称、新名称和您填写的原因。</translation>
    </message>
    <message>
        <source>Delete record %1 &quot;%2&quot; from the history? The audit trail keeps the deletion and your reason.</source>
        <translation>从历史记录中删除记录 %1“%2”？审计追踪会保存此次删除和您填写的原因。</translation>
    </message>
    <message numerus="yes">
        <source>Delete the %n selected records from the history? The audit trail keeps each deletion and your reason.</source>
        <translation>
            <numerusform>从历史记录中删除选中的 %n 条记录？审计追踪会保存每次删除和您填写的原因。</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete records</source>
        <translation>删除记录</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>You sign record %1 &quot;%2&quot; as %3 (%4). Your password confirms the signature.</source>
        <translation>您将以 %3（%4）的身份签署记录 %1“%2”。请输入密码确认签名。</translation>
    </message>
    <message>
        <source>Compliance mode is off for this history. Its audit trail, accounts and signatures stay in it.</source>
        <translation>此历史记录的合规模式已关闭。审计追踪、账户和签名仍保留在其中。</translation>
    </message>
    <message>
        <source>The file %1 was written, but the audit trail could not note it: %2</source>
        <translation>文件 %1 已写入，但审计追踪无法记录此次导出：%2</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>重命名(&amp;M)</translation>
    </message>
</context>
<context>
    <name>CDeviceConnect</name>
    <message>
        <source>设备连接成功</source>
        <translation>设备连接成功</translation>
    </message>
    <message>
        <source>设备成功连接于计算机</source>
        <translation>设备成功连接于计算机</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;可以直接以操作U盘的方式读取PDF文档，也可以在上位机软件中通过相应的操作来查看数据。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;可以直接以操作U盘的方式读取PDF文档，也可以在上位机软件中通过相应的操作来查看数据。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>下载数据</source>
        <translation>下载数据(&amp;L)</translation>
    </message>
</context>
<context>
    <name>CDeviceDataInfo</name>
    <message>
        <source>概要信息</source>
        <translation>概要信息</translation>
    </message>
    <message>
        <source>数据曲线</source>
        <translation>数据曲线</translation>
    </message>
    <message>
        <source>数据列表</source>
        <translation>数据列表</translation>
    </message>
    <message>
        <source>导出为PDF文件</source>
        <translation>导出为PDF文件(&amp;P)</translation>
    </message>
    <message>
        <source>文件另存为</source>
        <translation>文件另存为</translation>
    </message>
    <message>
        <source>ID000000_2020630112217841</source>
        <translation>ID000000_2020630112217841</translation>
    </message>
    <message>
        <source>设  备  信  息</source>
        <translation>设  备  信  息</translation>
    </message>
    <message>
        <source>配  置  信  息</source>
        <translation>配  置  信  息</translation>
    </message>
    <message>
        <source>统  计  信  息</source>
        <translation>统  计  信  息</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>导出文件失败，没有加载相应的数据.</source>
        <translation>导出文件失败，没有加载相应的数据.</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>确 定</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>文件导出成功</source>
        <translation>文件导出成功</translation>
    </message>
    <message>
        <source>另存为文件失败，没有加载相应的历史数据.</source>
        <translation>另存为文件失败，没有加载相应的历史数据.</translation>
    </message>
    <message>
        <source>文件另存为操作成功</source>
        <translation>文件另存为操作成功</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>是</source>
        <translation>是</translation>
    </message>
    <message>
        <source>否</source>
        <translation>否</translation>
    </message>
    <message>
        <source>延时</source>
        <translation>延时</translation>
    </message>
    <message>
        <source>按键开启</source>
        <translation>按键开启</translation>
    </message>
    <message>
        <source>按键关闭</source>
        <translation>按键关闭</translation>
    </message>
    <message>
        <source>定时开启</source>
        <translation>定时开启</translation>
    </message>
    <message>
        <source>定时关闭</source>
        <translation>定时关闭</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>开机启动</translation>
    </message>
    <message>
        <source>按键延时开启</source>
        <translation>按键延时开启</translation>
    </message>
    <message>
        <source>EN</source>
        <translation>EN</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>天</source>
        <translation>天</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>分</source>
        <translation>分</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>产品型号：</source>
        <translation>产品型号：</translation>
    </message>
    <message>
        <source>序列号：</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>固件版本：</translation>
    </message>
    <message>
        <source>设备时区：</source>
        <translation>设备时区：</translation>
    </message>
    <message>
        <source>设备时间：</source>
        <translation>设备时间：</translation>
    </message>
    <message>
        <source>探头类型：</source>
        <translation>探头类型：</translation>
    </message>
    <message>
        <source>内置温度</source>
        <translation>内置温度</translation>
    </message>
    <message>
        <source>外置温度</source>
        <translation>外置温度</translation>
    </message>
    <message>
        <source>内置温湿度</source>
        <translation>内置温湿度</translation>
    </message>
    <message>
        <source>外置温湿度</source>
        <translation>外置温湿度</translation>
    </message>
    <message>
        <source>温度单位：</source>
        <translation>温度单位：</translation>
    </message>
    <message>
        <source>文件格式：</source>
        <translation>文件格式：</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>电池电量：</source>
        <translation>电池电量：</translation>
    </message>
    <message>
        <source>记录开启模式：</source>
        <translation>记录开启模式：</translation>
    </message>
    <message>
        <source>延时开启方式：</source>
        <translation>延时开启方式：</translation>
    </message>
    <message>
        <source>定时开启时间：</source>
        <translation>定时开启时间：</translation>
    </message>
    <message>
        <source>正常记录间隔：</source>
        <translation>正常记录间隔：</translation>
    </message>
    <message>
        <source>报警记录间隔：</source>
        <translation>报警记录间隔：</translation>
    </message>
    <message>
        <source>报警延时：</source>
        <translation>报警延时：</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>循环记录：</source>
        <translation>循环记录：</translation>
    </message>
    <message>
        <source>重复启动：</source>
        <translation>重复启动：</translation>
    </message>
    <message>
        <source>记录关闭模式：</source>
        <translation>记录关闭模式：</translation>
    </message>
    <message>
        <source>定时关闭时间：</source>
        <translation>定时关闭时间：</translation>
    </message>
    <message>
        <source>屏幕常显：</source>
        <translation>屏幕常显：</translation>
    </message>
    <message>
        <source>按键长按重置记录：</source>
        <translation>按键长按重置记录：</translation>
    </message>
    <message>
        <source>下发配置时重置记录：</source>
        <translation>下发配置时重置记录：</translation>
    </message>
    <message>
        <source>报警总时长：</source>
        <translation>报警总时长：</translation>
    </message>
    <message>
        <source>报警条数：</source>
        <translation>报警条数：</translation>
    </message>
    <message>
        <source>报警类型：</source>
        <translation>报警类型：</translation>
    </message>
    <message>
        <source>行程序列号：</source>
        <translation>行程序列号：</translation>
    </message>
    <message>
        <source>记录开始时间：</source>
        <translation>记录开始时间：</translation>
    </message>
    <message>
        <source>记录停止时间：</source>
        <translation>记录停止时间：</translation>
    </message>
    <message>
        <source>记录开启次数：</source>
        <translation>记录开启次数：</translation>
    </message>
    <message>
        <source>记录总时长：</source>
        <translation>记录总时长：</translation>
    </message>
    <message>
        <source>记录条数：</source>
        <translation>记录条数：</translation>
    </message>
    <message>
        <source>行程描述：</source>
        <translation>行程描述：</translation>
    </message>
    <message>
        <source>MKT:</source>
        <translation>MKT:</translation>
    </message>
    <message>
        <source>温湿度上限：</source>
        <translation>温湿度上限：</translation>
    </message>
    <message>
        <source>温湿度下限：</source>
        <translation>温湿度下限：</translation>
    </message>
    <message>
        <source>温湿度最大值：</source>
        <translation>温湿度最大值：</translation>
    </message>
    <message>
        <source>温湿度最小值：</source>
        <translation>温湿度最小值：</translation>
    </message>
    <message>
        <source>温湿度平均值：</source>
        <translation>温湿度平均值：</translation>
    </message>
    <message>
        <source>温度上限：</source>
        <translation>温度上限：</translation>
    </message>
    <message>
        <source>温度下限：</source>
        <translation>温度下限：</translation>
    </message>
    <message>
        <source>温度最大值：</source>
        <translation>温度最大值：</translation>
    </message>
    <message>
        <source>温度最小值：</source>
        <translation>温度最小值：</translation>
    </message>
    <message>
        <source>温度平均值：</source>
        <translation>温度平均值：</translation>
    </message>
    <message>
        <source>无报警</source>
        <translation>无报警</translation>
    </message>
    <message>
        <source>低于下限</source>
        <translation>低于下限</translation>
    </message>
    <message>
        <source>高于上限</source>
        <translation>高于上限</translation>
    </message>
    <message>
        <source>温度低于下限</source>
        <translation>温度低于下限</translation>
    </message>
    <message>
        <source>温度高于上限</source>
        <translation>温度高于上限</translation>
    </message>
    <message>
        <source>湿度低于下限</source>
        <translation>湿度低于下限</translation>
    </message>
    <message>
        <source>湿度高于上限</source>
        <translation>湿度高于上限</translation>
    </message>
    <message>
        <source>温度</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>湿度</source>
        <translation>湿度</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>温度 </source>
        <translation>温度 </translation>
    </message>
    <message>
        <source>wen du space-------------------</source>
        <translation>温度           </translation>
    </message>
    <message>
        <source>CSV文件写入失败：%1</source>
        <translation>CSV文件写入失败：%1</translation>
    </message>
    <message>
        <source>导出为CSV文件</source>
        <translation>导出为CSV文件(&amp;C)</translation>
    </message>
    <message>
        <source>时间无法读取的样本（未绘制）：%1</source>
        <translation>时间无法读取的样本（未绘制）：%1</translation>
    </message>
    <message>
        <source>仅显示前 %1 条数据，共 %2 条</source>
        <translation>仅显示前 %1 条数据，共 %2 条</translation>
    </message>
    <message>
        <source>文件另存为</source>
        <comment>button</comment>
        <translation>文件另存为(&amp;S)</translation>
    </message>
    <message>
        <source>正在复制报告文件...</source>
        <translation>正在复制报告文件...</translation>
    </message>
</context>
<context>
    <name>CDeviceSetting</name>
    <message>
        <source>xing cheng id hao bi xu wei 8 ge zhi jie</source>
        <translation>行程ID号必须为8个字节</translation>
    </message>
    <message>
        <source>mei you ke yong de ji lu yi she bei</source>
        <translation>没有可用的记录仪设备</translation>
    </message>
    <message>
        <source>xing cheng miao shu xin xi bu neng chang yu 32 ge zhi fu ,han zi bu de cao guo 16 ge</source>
        <translation>行程描述信息不能长于32个字符，汉字不得超过16个</translation>
    </message>
    <message>
        <source>pei zhi xin xi xie ru cheng gong ,qing ba xia ji lu yi shi pei zhi li ji sheng xiao</source>
        <translation>配置信息写入成功，请拔下记录仪使配置立即生效</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>xin xi</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>基本配置模式</source>
        <translation>基本配置模式(&amp;B)</translation>
    </message>
    <message>
        <source>高级配置模式</source>
        <translation>高级配置模式(&amp;A)</translation>
    </message>
    <message>
        <source>保存模板</source>
        <translation>保存模板(&amp;T)</translation>
    </message>
    <message>
        <source>保存参数</source>
        <translation>保存参数(&amp;P)</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>温度单位</translation>
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
        <translation>行程编号</translation>
    </message>
    <message>
        <source>选择配置文件</source>
        <translation>选择配置文件</translation>
    </message>
    <message>
        <source>同步模板参数</source>
        <translation>同步模板参数(&amp;M)</translation>
    </message>
    <message>
        <source>手动开启</source>
        <translation>手动开启</translation>
    </message>
    <message>
        <source>按键延时开启</source>
        <translation>按键延时开启</translation>
    </message>
    <message>
        <source>定时开启</source>
        <translation>定时开启</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>开机启动</translation>
    </message>
    <message>
        <source>开启模式</source>
        <translation>开启模式</translation>
    </message>
    <message>
        <source>同步设备参数</source>
        <translation>同步设备参数(&amp;V)</translation>
    </message>
    <message>
        <source>分</source>
        <translation>分</translation>
    </message>
    <message>
        <source>启动延迟</source>
        <translation>启动延迟</translation>
    </message>
    <message>
        <source>定时开启时间</source>
        <translation>定时开启时间</translation>
    </message>
    <message>
        <source>手动关闭</source>
        <translation>手动关闭</translation>
    </message>
    <message>
        <source>定时关闭</source>
        <translation>定时关闭</translation>
    </message>
    <message>
        <source>关闭模式</source>
        <translation>关闭模式</translation>
    </message>
    <message>
        <source>定时关闭时间</source>
        <translation>定时关闭时间</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>正常记录间隔</source>
        <translation>正常记录间隔</translation>
    </message>
    <message>
        <source>超限记录间隔</source>
        <translation>超限记录间隔</translation>
    </message>
    <message>
        <source>报警延时时间</source>
        <translation>报警延时时间</translation>
    </message>
    <message>
        <source>报警设置</source>
        <translation>报警设置</translation>
    </message>
    <message>
        <source>温度上限</source>
        <translation>温度上限</translation>
    </message>
    <message>
        <source>温度下限</source>
        <translation>温度下限</translation>
    </message>
    <message>
        <source>温度修正</source>
        <translation>温度修正</translation>
    </message>
    <message>
        <source>湿度上限</source>
        <translation>湿度上限</translation>
    </message>
    <message>
        <source>湿度下限</source>
        <translation>湿度下限</translation>
    </message>
    <message>
        <source>湿度修正</source>
        <translation>湿度修正</translation>
    </message>
    <message>
        <source>导出文件设置</source>
        <translation>导出文件设置</translation>
    </message>
    <message>
        <source>报告语言</source>
        <translation>报告语言</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>中文(&amp;C)</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>英文(&amp;E)</translation>
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
        <translation>导出文件类型 </translation>
    </message>
    <message>
        <source>高级设置</source>
        <translation>高级设置</translation>
    </message>
    <message>
        <source>不循环</source>
        <translation>不循环</translation>
    </message>
    <message>
        <source>循环</source>
        <translation>循环</translation>
    </message>
    <message>
        <source>循环记录</source>
        <translation>循环记录</translation>
    </message>
    <message>
        <source>不清空</source>
        <translation>不清空</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>清空已存记录</source>
        <translation>清空已存记录</translation>
    </message>
    <message>
        <source>不允许</source>
        <translation>不允许</translation>
    </message>
    <message>
        <source>允许</source>
        <translation>允许</translation>
    </message>
    <message>
        <source>重复启动</source>
        <translation>重复启动</translation>
    </message>
    <message>
        <source>长按键清空数据</source>
        <translation>长按键清空数据</translation>
    </message>
    <message>
        <source>按时关闭</source>
        <translation>按时关闭</translation>
    </message>
    <message>
        <source>常显</source>
        <translation>常显</translation>
    </message>
    <message>
        <source>LCD是否常显示</source>
        <translation>LCD是否常显示</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;行程编号仅支持字母和数字，最大为8个字符.&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;宋体&apos;;&quot;&gt;行程描述支持字母、数字和汉字，最大为32个字符或&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Calibri&apos;;&quot;&gt;16&lt;/span&gt;&lt;span style=&quot; font-family:&apos;宋体&apos;;&quot;&gt;个汉字.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>mo ban xin xi</source>
        <translation>模板信息</translation>
    </message>
    <message>
        <source>qing shu ru mo ban de wen jian ming :</source>
        <translation>请输入模板的文件名：</translation>
    </message>
    <message>
        <source>qu xiao</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>wen jian ming chong fu ,bao cun shi bai.</source>
        <translation>文件名重复，保存失败。</translation>
    </message>
    <message>
        <source>dang qian pei zhi wen jian xin xi bao cun cheng gong</source>
        <translation>当前配置文件信息保存成功</translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>wen du xian zhi he xiu zheng zhi bi xu zai -127.9 ℃ dao 127.9 ℃ zhi jian</source>
        <translation>温度上下限和修正值必须在-127.9 ℃到127.9 ℃之间</translation>
    </message>
    <message>
        <source>pei zhi xin xi xie ru shi bai ,qing jian cha ji lu yi shi fou reng ran lian jie bing you ke yong kong jian</source>
        <translation>配置信息写入失败，请检查记录仪是否仍然连接并有可用空间。</translation>
    </message>
    <message>
        <source>mo ban ming cheng bu neng wei kong ,ye bu neng bao han &quot;/&quot;</source>
        <translation>模板名称不能为空，也不能包含“/”。</translation>
    </message>
    <message>
        <source>wu fa zai ji lu yi shang chuang jian setting.ini ,qing jian cha ji lu yi ci pan shi fou ke xie</source>
        <translation>无法在记录仪上创建setting.ini，请检查记录仪磁盘是否可写。</translation>
    </message>
    <message>
        <source>bao jing xian zhi he xiu zheng zhi bi xu shi you xiao de shu zhi</source>
        <translation>报警限值和修正值必须是有效的数值</translation>
    </message>
    <message>
        <source>dian nao ri qi he ding shi kai qi ,guan bi shi jian bi xu zai 2000 nian dao 2255 nian zhi jian</source>
        <translation>电脑日期以及定时开启、定时关闭时间必须在2000年到2255年之间</translation>
    </message>
    <message>
        <source>mo ban wen jian yi sun huai ,wei neng zai ru</source>
        <translation>模板文件已损坏，未能载入。</translation>
    </message>
    <message>
        <source>mo ban bao cun shi bai ,qing jian cha mo ban wen jian jia shi fou ke xie</source>
        <translation>模板保存失败，请检查模板文件夹是否可写</translation>
    </message>
</context>
<context>
    <name>CDravik</name>
    <message>
        <source>sou suo she bei</source>
        <translation>搜索设备</translation>
    </message>
    <message>
        <source>she bei she zhi</source>
        <translation>设备设置</translation>
    </message>
    <message>
        <source>shu ju ji lu</source>
        <translation>数据记录</translation>
    </message>
    <message>
        <source>ti shi</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>que ding tui chu Fenmor shang wei ji ruan jian ma ?</source>
        <translation>确定退出上位机软件吗？</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>qu xiao</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>shu ju du qu zhong ...</source>
        <translation>数据读取中...</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>du qu she bei zhong de shu ju chu quo ,qing jian cha she bei shi fou you wen ti </source>
        <translation>读取设备中的数据出错，请检查设备是否有问题</translation>
    </message>
    <message>
        <source>ji lu bao cun shi bai ,li shi ji lu mei you gai bian ,qing jian cha ci pan kong jian </source>
        <translation>记录保存失败，历史记录没有改变，请检查磁盘空间。</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 bu shi pu tong wen jian, wei du qu</source>
        <translation>报告文件 %1 不是普通文件（文件夹、管道、设备或套接字），未读取。</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 tai da, bu shi ji lu yi bao gao, wei du qu</source>
        <translation>报告文件 %1 过大，不是记录仪报告，未读取。</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 zhong mei you she bei hao he shu ju, wei bao cun</source>
        <translation>报告文件 %1 中既没有设备编号也没有任何数据，未保存记录。</translation>
    </message>
    <message>
        <source>wu fa lian jie gong xiang li shi ji lu (%1). Du qu de ji lu bao cun zai ben ji, ke yi lian jie shi zi dong fu zhi dao gong xiang li shi ji lu.</source>
        <translation>无法连接共享历史记录（%1）。期间读取的记录保存在本机，可以连接时自动复制到共享历史记录。</translation>
    </message>
    <message>
        <source>yi jing zai li shi ji lu zhong: %1</source>
        <translation>已在历史记录中：%1</translation>
    </message>
    <message>
        <source>zheng zai wei li shi ji lu jian li suo yin (jin yi ci)...</source>
        <translation>正在为历史记录建立索引（仅此一次，记录较多时需要一些时间）……</translation>
    </message>
    <message>
        <source>li shi ji lu %1 yi sun huai, wu fa du qu (%2). Wen jian bao chi yuan yang, bu hui xie ru ren he nei rong; qing cong bei fen hui fu.</source>
        <translation>历史记录 %1 已损坏，无法读取（%2）。文件保持原样，不会写入任何内容；请从备份恢复。</translation>
    </message>
    <message>
        <source>gong xiang li shi ji lu de di zhi bu ke yong (%1). Du qu de ji lu bao cun zai ben ji, di zhi geng zheng hou zi dong fu zhi dao gong xiang li shi ji lu.</source>
        <translation>共享历史记录的地址无法使用（%1）。读取的记录保存在本机，地址更正后自动复制到共享历史记录。</translation>
    </message>
    <message>
        <source>bao gao wu fa fu zhi dao ben ji %1: %2</source>
        <translation>报告无法复制到本机（%1）：%2</translation>
    </message>
    <message>
        <source>ji lu yi ci pan %1: %2</source>
        <translation>记录仪磁盘 %1：%2</translation>
    </message>
    <message>
        <source>li shi ji lu: %1</source>
        <translation>历史记录：%1</translation>
    </message>
    <message>
        <source>zheng zai fu zhi dao gong xiang li shi ji lu ...</source>
        <translation>正在复制到共享历史记录...</translation>
    </message>
    <message>
        <source>zheng zai da kai ji lu ...</source>
        <translation>正在打开记录...</translation>
    </message>
    <message>
        <source>zheng zai du qu ji lu ...</source>
        <translation>正在读取记录...</translation>
    </message>
</context>
<context>
    <name>CDravikClass</name>
    <message>
        <source>搜索设备</source>
        <translation>搜索设备(&amp;S)</translation>
    </message>
    <message>
        <source>设备参数</source>
        <translation>设备参数(&amp;P)</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>历史记录(&amp;H)</translation>
    </message>
    <message>
        <source>其他设置</source>
        <translation>其他设置(&amp;O)</translation>
    </message>
    <message>
        <source>关于上位机</source>
        <translation>关于上位机(&amp;A)</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>设备</source>
        <translation>设备(&amp;D)</translation>
    </message>
    <message>
        <source>选项 </source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>CExportCsv</name>
    <message>
        <source>Device</source>
        <translation>产品型号</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Trip ID</source>
        <translation>行程序列号</translation>
    </message>
    <message>
        <source>Trip description</source>
        <translation>行程描述</translation>
    </message>
    <message>
        <source>Temperature upper limit(%1)</source>
        <translation>温度上限(%1)</translation>
    </message>
    <message>
        <source>Temperature lower limit(%1)</source>
        <translation>温度下限(%1)</translation>
    </message>
    <message>
        <source>Humidity upper limit(%RH)</source>
        <translation>湿度上限(%RH)</translation>
    </message>
    <message>
        <source>Humidity lower limit(%RH)</source>
        <translation>湿度下限(%RH)</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>设备时区</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Temperature(%1)</source>
        <translation>温度(%1)</translation>
    </message>
    <message>
        <source>Humidity(%RH)</source>
        <translation>湿度(%RH)</translation>
    </message>
    <message>
        <source>Reviewed</source>
        <translation>已审核</translation>
    </message>
    <message>
        <source>Approved</source>
        <translation>已批准</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>已驳回</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>Audit trail</source>
        <translation>审计追踪</translation>
    </message>
</context>
<context>
    <name>CFileMenu</name>
    <message>
        <source>da kai bao gao wen jian...</source>
        <translation>打开报告文件(&amp;O)...</translation>
    </message>
    <message>
        <source>da kai bao gao wen jian</source>
        <translation>打开报告文件</translation>
    </message>
    <message>
        <source>ji lu yi bao gao (*.pdf *.csv *.txt);;suo you wen jian (*)</source>
        <translation>记录仪报告 (*.pdf *.csv *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>zui jin da kai de bao gao</source>
        <translation>最近打开的报告(&amp;R)</translation>
    </message>
    <message>
        <source>dao chu PDF wen jian...</source>
        <translation>导出PDF文件(&amp;E)...</translation>
    </message>
    <message>
        <source>dao chu CSV wen jian...</source>
        <translation>导出CSV文件(&amp;C)...</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 de hou zhui bu shi xiao xie de pdf, csv huo txt, wei du qu</source>
        <translation>报告文件 %1 的后缀不是小写的 pdf、csv 或 txt，未读取。</translation>
    </message>
    <message>
        <source>wen jian %1 bu shi PDF, CSV huo TXT bao gao, wei du qu</source>
        <translation>文件 %1 不是 PDF、CSV 或 TXT 报告，未读取。</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 bu shi pu tong wen jian, wei du qu</source>
        <translation>报告文件 %1 不是普通文件（文件夹、管道、设备或套接字），未读取。</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 tai da, bu shi ji lu yi bao gao, wei du qu</source>
        <translation>报告文件 %1 过大，不是记录仪报告，未读取。</translation>
    </message>
    <message>
        <source>wu fa du qu wen jian %1 (%2), wei du qu</source>
        <translation>无法读取文件 %1（%2），未读取。</translation>
    </message>
</context>
<context>
    <name>CHistoryRecord</name>
    <message>
        <source>bao gao wen jian yi bu cun zai</source>
        <translation>该记录的报告文件已不存在</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;记录仪历史数据&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;记录仪历史数据&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>xu hao</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>shu ju ming cheng</source>
        <translation>数据名称</translation>
    </message>
    <message>
        <source>xing cheng miao shu</source>
        <translation>行程描述</translation>
    </message>
    <message>
        <source>shan cheu</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>chong ming ming</source>
        <translation>重命名(&amp;R)</translation>
    </message>
    <message>
        <source>file save as</source>
        <translation>文件另存为(&amp;A)</translation>
    </message>
    <message>
        <source>cha kan xiang qing</source>
        <translation>查看详情(&amp;V)</translation>
    </message>
    <message>
        <source>ti shi</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>que ding yao shan chu chi tiao shu ju ji lu ma ?</source>
        <translation>确定要删除此条数据记录吗？</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>qu xiao</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>shu ju chong ming ming</source>
        <translation>数据重命名</translation>
    </message>
    <message>
        <source>qing shu ru xin de shu ju ming cheng :</source>
        <translation>请输入新的数据名称：</translation>
    </message>
    <message>
        <source>ling cun wei wen jian shi bai ,mei you jia zai xiang ying de li shi shu ju</source>
        <translation>另存为文件失败，没有加载相应的历史数据</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>wen jian ling cun wei</source>
        <translation>文件另存为</translation>
    </message>
    <message>
        <source>wen jian ling cun wei cao zuo cheng gong</source>
        <translation>文件另存为操作成功</translation>
    </message>
    <message>
        <source>xin xi</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>shan chu shi bai ,shu ju ji lu mei you gai bian </source>
        <translation>删除失败，数据记录没有改变。</translation>
    </message>
    <message>
        <source>chong ming ming shi bai ,shu ju ji lu mei you gai bian </source>
        <translation>重命名失败，数据记录没有改变。</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 zai du qu hou bei xiu gai guo (SHA-256 bu fu), wei dao chu</source>
        <translation>报告文件 %1 在读取后被修改过（SHA-256 不符），未导出或保存。</translation>
    </message>
    <message>
        <source>dui bi</source>
        <translation>对比(&amp;C)</translation>
    </message>
    <message>
        <source>zui duo ke dui bi %1 tiao ji lu, yi xuan zhong %2 tiao.</source>
        <translation>最多可对比 %1 条记录，已选中 %2 条。</translation>
    </message>
    <message>
        <source>sou suo ming cheng, she bei hao, xing cheng ID, xing cheng miao shu</source>
        <translation>搜索名称、设备号、行程ID、行程描述</translation>
    </message>
    <message>
        <source>jin xian shi bao jing ji lu</source>
        <translation>仅显示报警记录(&amp;A)</translation>
    </message>
    <message>
        <source>xing cheng kai shi ri qi</source>
        <translation>行程开始日期(&amp;T)</translation>
    </message>
    <message>
        <source>zhi xian shi qian %1 tiao pi pei de ji lu, qing shu ru geng duo nei rong suo xiao fan wei</source>
        <translation>仅显示前 %1 条匹配的记录，请输入更多内容缩小范围。</translation>
    </message>
    <message>
        <source>xing cheng kai shi</source>
        <translation>行程开始</translation>
    </message>
    <message>
        <source>bao jing</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>xu lie hao</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>ji lu shi fou you bao jing</source>
        <translation>行程是否有报警</translation>
    </message>
    <message>
        <source>mei you pi pei de xing cheng. qing qing chu sou suo nei rong huo fang kuan ri qi fan wei.</source>
        <translation>没有匹配的行程。请清除搜索内容或放宽日期范围。</translation>
    </message>
    <message numerus="yes">
        <source>%1 / %n xing cheng</source>
        <translation>
            <numerusform>%1 / %n 个行程</numerusform>
        </translation>
    </message>
    <message>
        <source>que ding yao shan chu xuan zhong de %1 tiao shu ju ji lu ma ?</source>
        <translation>确定要删除选中的 %1 条数据记录吗？</translation>
    </message>
    <message>
        <source>shi</source>
        <translation>是</translation>
    </message>
    <message>
        <source>fou</source>
        <translation>否</translation>
    </message>
    <message>
        <source>zheng zai du qu bao gao wen jian ...</source>
        <translation>正在读取报告文件...</translation>
    </message>
    <message>
        <source>zheng zai fu zhi bao gao wen jian ...</source>
        <translation>正在复制报告文件...</translation>
    </message>
</context>
<context>
    <name>CHistoryRecordContent</name>
    <message>
        <source>bao gao wen jian yi bu cun zai</source>
        <translation>该记录的报告文件已不存在</translation>
    </message>
    <message>
        <source>ID000000_2020630112217841</source>
        <translation>ID000000_2020630112217841</translation>
    </message>
    <message>
        <source>导出PDF文档</source>
        <translation>导出PDF文档(&amp;P)</translation>
    </message>
    <message>
        <source>导出原始PDF文档</source>
        <translation>导出原始PDF文档(&amp;R)</translation>
    </message>
    <message>
        <source>统计信息</source>
        <translation>统计信息</translation>
    </message>
    <message>
        <source>数据曲线</source>
        <translation>数据曲线</translation>
    </message>
    <message>
        <source>数据列表</source>
        <translation>数据列表</translation>
    </message>
    <message>
        <source>she bei xin xi</source>
        <translation>设备信息</translation>
    </message>
    <message>
        <source>chan pin xing hao</source>
        <translation>产品型号</translation>
    </message>
    <message>
        <source>xu lie hao</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>she bei shi jian</source>
        <translation>设备时间</translation>
    </message>
    <message>
        <source>tan tou lei xing</source>
        <translation>探头类型</translation>
    </message>
    <message>
        <source>she bei shi qu</source>
        <translation>设备时区</translation>
    </message>
    <message>
        <source>pei zhi xin xi </source>
        <translation>配置信息</translation>
    </message>
    <message>
        <source>ji lu kai shi mo shi</source>
        <translation>记录开始模式</translation>
    </message>
    <message>
        <source>ji lu guan bi mo shi</source>
        <translation>记录关闭模式</translation>
    </message>
    <message>
        <source>yan shi kai qi fang shi</source>
        <translation>延时开启方式</translation>
    </message>
    <message>
        <source>ding shi guan bi shi jian</source>
        <translation>定时关闭时间</translation>
    </message>
    <message>
        <source>ding shi kai qi shi jian</source>
        <translation>定时开启时间</translation>
    </message>
    <message>
        <source>wen shi du shang xian </source>
        <translation>温湿度上限</translation>
    </message>
    <message>
        <source>wen du shang xian</source>
        <translation>温度上限</translation>
    </message>
    <message>
        <source>zheng chang ji lu jian ge</source>
        <translation>正常记录间隔</translation>
    </message>
    <message>
        <source>wen shi du xia xian</source>
        <translation>温湿度下限</translation>
    </message>
    <message>
        <source>wen du xia xian</source>
        <translation>温度下限</translation>
    </message>
    <message>
        <source>bao jing ji lu jian ge</source>
        <translation>报警记录间隔</translation>
    </message>
    <message>
        <source>bao jing yan shi</source>
        <translation>报警延时</translation>
    </message>
    <message>
        <source>kai qi chang an chong zhi ji lu</source>
        <translation>开启长按重置记录</translation>
    </message>
    <message>
        <source>xun huan ji lu</source>
        <translation>循环记录</translation>
    </message>
    <message>
        <source>xia fa pei zhi shi chong zhi ji lu</source>
        <translation>下发配置时重置记录</translation>
    </message>
    <message>
        <source>chong fu qi dong</source>
        <translation>重复启动</translation>
    </message>
    <message>
        <source>屏幕常显</source>
        <translation>屏幕常显</translation>
    </message>
    <message>
        <source>tong ji xin xi</source>
        <translation>统计信息</translation>
    </message>
    <message>
        <source>wen shi du zui da zhi</source>
        <translation>温湿度最大值</translation>
    </message>
    <message>
        <source>wen du zui da zhi</source>
        <translation>温度最大值</translation>
    </message>
    <message>
        <source>ji lu kai shi shi jian</source>
        <translation>记录开始时间</translation>
    </message>
    <message>
        <source>wen shi du zui xiao zhi</source>
        <translation>温湿度最小值</translation>
    </message>
    <message>
        <source>wen du zui xiao zhi</source>
        <translation>温度最小值</translation>
    </message>
    <message>
        <source>ji lu ting zhi shi jian</source>
        <translation>记录停止时间</translation>
    </message>
    <message>
        <source>wen shi du ping jun zhi</source>
        <translation>温湿度平均值</translation>
    </message>
    <message>
        <source>wen du ping jun zhi</source>
        <translation>温度平均值</translation>
    </message>
    <message>
        <source>ji lu kai qi ci shu</source>
        <translation>记录开启次数</translation>
    </message>
    <message>
        <source>ji lu zhong shi chang</source>
        <translation>记录总时长</translation>
    </message>
    <message>
        <source>bao jing zhong shi chang</source>
        <translation>报警总时长</translation>
    </message>
    <message>
        <source>ji lu tiao shu</source>
        <translation>记录条数</translation>
    </message>
    <message>
        <source>bao jing tiao shu</source>
        <translation>报警条数</translation>
    </message>
    <message>
        <source>xing cheng xu lie hao</source>
        <translation>行程序列号</translation>
    </message>
    <message>
        <source>bao jing lei xing</source>
        <translation>报警类型</translation>
    </message>
    <message>
        <source>xing cheng miao shu</source>
        <translation>行程描述</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>mei you xuan zhong xiang ying ji lu wu fa dao chu </source>
        <translation>没有选中相应记录，无法导出</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>wen jian dao chu cheng gong</source>
        <translation>文件导出成功</translation>
    </message>
    <message>
        <source>xin xi</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>ling cun wei wen jian shi bai ,mei you jia zai xiang ying de li shi shu ju</source>
        <translation>另存为文件失败，没有加载相应的历史数据</translation>
    </message>
    <message>
        <source>wen jian ling cun wei</source>
        <translation>文件另存为</translation>
    </message>
    <message>
        <source>wen jian ling cun wei cao zuo cheng gong</source>
        <translation>文件另存为操作成功</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 bu shi pu tong wen jian, wei du qu</source>
        <translation>报告文件 %1 不是普通文件（文件夹、管道、设备或套接字），未读取。</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 tai da, bu shi ji lu yi bao gao, wei du qu</source>
        <translation>报告文件 %1 过大，不是记录仪报告，未读取。</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 wu fa du qu</source>
        <translation>无法读取报告文件 %1。</translation>
    </message>
    <message>
        <source>CSV wen jian xie ru shi bai: %1</source>
        <translation>CSV文件写入失败：%1</translation>
    </message>
    <message>
        <source>dao chu CSV wen jian</source>
        <translation>导出CSV文件(&amp;C)</translation>
    </message>
    <message>
        <source>bao gao SHA-256: wu (du qu shi wei ji lu)</source>
        <translation>报告 SHA-256：无（读取时未记录）</translation>
    </message>
    <message>
        <source>bao gao wen jian yu du qu shi yi zhi</source>
        <translation>报告文件与读取时一致。</translation>
    </message>
    <message>
        <source>bao gao wen jian zai du qu hou bei xiu gai guo</source>
        <translation>报告文件在读取后被修改过。</translation>
    </message>
    <message>
        <source>ben ji mei you bao gao wen jian</source>
        <translation>本机没有报告文件。</translation>
    </message>
    <message>
        <source>bao gao SHA-256: %1</source>
        <translation>报告 SHA-256：%1</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 zai du qu hou bei xiu gai guo (SHA-256 bu fu), wei dao chu</source>
        <translation>报告文件 %1 在读取后被修改过（SHA-256 不符），未导出或保存。</translation>
    </message>
    <message>
        <source>zheng zai du qu bao gao wen jian ...</source>
        <translation>正在读取报告文件...</translation>
    </message>
    <message>
        <source>bao gao wen jian %1 bu shi ji lu yi bao gao, wei dao chu</source>
        <translation>报告文件 %1 不是记录仪报告，未导出。</translation>
    </message>
    <message>
        <source>zheng zai fu zhi bao gao wen jian ...</source>
        <translation>正在复制报告文件...</translation>
    </message>
</context>
<context>
    <name>CMessageBox</name>
    <message>
        <source>Open &amp;file</source>
        <translation>打开文件(&amp;F)</translation>
    </message>
    <message>
        <source>Open f&amp;older</source>
        <translation>打开文件夹(&amp;O)</translation>
    </message>
</context>
<context>
    <name>CReasonDialog</name>
    <message>
        <source>New &amp;name:</source>
        <translation>新名称(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>原因(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>CRecentReports</name>
    <message>
        <source>qing chu lie biao</source>
        <translation>清除列表(&amp;C)</translation>
    </message>
</context>
<context>
    <name>CSearchDevice</name>
    <message>
        <source>搜索设备...</source>
        <translation>搜索设备...</translation>
    </message>
    <message>
        <source>现在请将设备连接于计算机</source>
        <translation>现在请将设备连接于计算机</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;如果当前连接的是可自动生成PDF报告的设备，那么设备需要在生成报告后才能与上位机通讯，这个过程大概需要十几秒的时间。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;如果当前连接的是可自动生成PDF报告的设备，那么设备需要在生成报告后才能与上位机通讯，这个过程大概需要十几秒的时间。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>CSession</name>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>Reviewer</source>
        <translation>审核员</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>管理员</translation>
    </message>
    <message>
        <source>read loggers</source>
        <translation>读取记录仪</translation>
    </message>
    <message>
        <source>open records</source>
        <translation>打开记录</translation>
    </message>
    <message>
        <source>export records</source>
        <translation>导出记录</translation>
    </message>
    <message>
        <source>configure loggers</source>
        <translation>配置记录仪</translation>
    </message>
    <message>
        <source>rename records</source>
        <translation>重命名记录</translation>
    </message>
    <message>
        <source>sign records</source>
        <translation>签署记录</translation>
    </message>
    <message>
        <source>delete records</source>
        <translation>删除记录</translation>
    </message>
    <message>
        <source>manage users</source>
        <translation>管理用户</translation>
    </message>
    <message>
        <source>change the compliance settings</source>
        <translation>更改合规设置</translation>
    </message>
</context>
<context>
    <name>CSettingFileManager</name>
    <message>
        <source>settingFileManager_title</source>
        <translation>配置与模板管理</translation>
    </message>
    <message>
        <source>修正值是否显示：</source>
        <translation>修正值是否显示：</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>不显示</source>
        <translation>不显示</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>中文(简体)</source>
        <translation>中文(简体)</translation>
    </message>
    <message>
        <source>模板管理</source>
        <translation>模板管理</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>重命名(&amp;R)</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>mo ban xin xi</source>
        <translation>模板信息</translation>
    </message>
    <message>
        <source>qing shu ru mo ban de wen jian ming :</source>
        <translation>请输入模板的文件名：</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>qu xiao</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>wen jian ming chong fu ,bao cun shi bai.</source>
        <translation>文件名重复，保存失败。</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>ti shi</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>que ding shan chu ming wei </source>
        <translation>确定删除名为</translation>
    </message>
    <message>
        <source> de wen jian ma ?</source>
        <translation>的文件吗？</translation>
    </message>
    <message>
        <source>mo ban ming cheng bu neng wei kong ,ye bu neng bao han &quot;/&quot;</source>
        <translation>模板名称不能为空，也不能包含“/”。</translation>
    </message>
    <message>
        <source>mo ban chong ming ming shi bai</source>
        <translation>模板重命名失败</translation>
    </message>
    <message>
        <source>mo ban shan chu shi bai</source>
        <translation>模板删除失败</translation>
    </message>
</context>
<context>
    <name>CSignDialog</name>
    <message>
        <source>Sign record</source>
        <translation>签署记录</translation>
    </message>
    <message>
        <source>&amp;Meaning:</source>
        <translation>含义(&amp;M)：</translation>
    </message>
    <message>
        <source>C&amp;omment:</source>
        <translation>备注(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>密码(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Sign</source>
        <translation>签署(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>CSignInDialog</name>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Session locked</source>
        <translation>会话已锁定</translation>
    </message>
    <message>
        <source>Compliance mode is on: every reading, change and signature is recorded under your account. Sign in to go on.</source>
        <translation>合规模式已开启：每次读取、修改和签名都会记录在您的账户下。请登录后继续。</translation>
    </message>
    <message numerus="yes">
        <source>The session of %1 was locked after %n minutes without use. Enter your password to go on, or sign out.</source>
        <translation>
            <numerusform>%1 的会话在 %n 分钟无操作后已锁定。请输入密码继续，或退出登录。</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>用户(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>密码(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Sign in</source>
        <translation>登录(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Sign &amp;out</source>
        <translation>退出登录(&amp;O)</translation>
    </message>
    <message>
        <source>Un&amp;lock</source>
        <translation>解锁(&amp;L)</translation>
    </message>
</context>
<context>
    <name>CSignatureBook</name>
    <message>
        <source>Reviewed</source>
        <translation>已审核</translation>
    </message>
    <message>
        <source>Approved</source>
        <translation>已批准</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>已驳回</translation>
    </message>
</context>
<context>
    <name>CSignaturePanel</name>
    <message>
        <source>Meaning</source>
        <translation>含义</translation>
    </message>
    <message>
        <source>Signed by</source>
        <translation>签署人</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>&amp;Sign...</source>
        <translation>签署(&amp;S)...</translation>
    </message>
    <message>
        <source>Content SHA-256 %1, audit entry %2</source>
        <translation>内容 SHA-256 %1，审计条目 %2</translation>
    </message>
    <message>
        <source>No record is shown.</source>
        <translation>未显示记录。</translation>
    </message>
    <message>
        <source>Record %1 is not signed yet.</source>
        <translation>记录 %1 尚未签署。</translation>
    </message>
    <message>
        <source>Record %1 is signed: it cannot be renamed, and only an administrator deletes it, with a reason.</source>
        <translation>记录 %1 已签署：不能重命名，只有管理员填写原因后才能删除。</translation>
    </message>
</context>
<context>
    <name>CTableExport</name>
    <message numerus="yes">
        <source>%n more rows are not printed here: the CSV export holds them all.</source>
        <translation>
            <numerusform>另有 %n 行未打印：CSV 导出包含全部内容。</numerusform>
        </translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
</context>
<context>
    <name>CTaskRunner</name>
    <message>
        <source>qu xiao</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CUsersDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Users and settings</source>
        <translation>用户与设置</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>Printed name</source>
        <translation>签名姓名</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>角色</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>添加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Disable...</source>
        <translation>停用(&amp;D)...</translation>
    </message>
    <message>
        <source>Un&amp;lock</source>
        <translation>解锁(&amp;L)</translation>
    </message>
    <message>
        <source>Set pass&amp;word...</source>
        <translation>设置密码(&amp;W)...</translation>
    </message>
    <message>
        <source>Compliance mode of this history</source>
        <translation>此历史记录的合规模式</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>应用(&amp;P)</translation>
    </message>
    <message>
        <source>Switch compliance mode o&amp;ff...</source>
        <translation>关闭合规模式(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>已停用</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>已锁定</translation>
    </message>
    <message>
        <source>active</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>新密码(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>再次输入(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>两次输入的密码不一致。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Add user</source>
        <translation>添加用户</translation>
    </message>
    <message>
        <source>&amp;Printed name:</source>
        <translation>签名姓名(&amp;P)：</translation>
    </message>
    <message>
        <source>R&amp;ole:</source>
        <translation>角色(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;Initial password:</source>
        <translation>初始密码(&amp;I)：</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Disable account</source>
        <translation>停用账户</translation>
    </message>
    <message>
        <source>Disable the account %1? It cannot sign in any more; what it did and signed stays.</source>
        <translation>停用账户 %1？该账户将无法再登录；其操作和签名记录仍保留。</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>停用(&amp;D)</translation>
    </message>
    <message>
        <source>Unlock account</source>
        <translation>解锁账户</translation>
    </message>
    <message>
        <source>Set password</source>
        <translation>设置密码</translation>
    </message>
    <message numerus="yes">
        <source>The new password of %1 (at least %n characters):</source>
        <translation>
            <numerusform>%1 的新密码（至少 %n 个字符）：</numerusform>
        </translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>空闲时间</translation>
    </message>
    <message>
        <source>The new idle time holds from each user&apos;s next sign-in.</source>
        <translation>新的空闲时间从每位用户下次登录起生效。</translation>
    </message>
    <message>
        <source>Switch compliance mode off</source>
        <translation>关闭合规模式</translation>
    </message>
    <message>
        <source>Switch compliance mode off for this history? From then on nobody signs in and nothing is audited until an administrator switches it on again; the audit trail, accounts and signatures stay.</source>
        <translation>关闭此历史记录的合规模式？此后无需登录，也不再审计，直到管理员再次开启；审计追踪、账户和签名仍保留。</translation>
    </message>
    <message>
        <source>Switch &amp;off</source>
        <translation>关闭(&amp;O)</translation>
    </message>
    <message>
        <source>Lock the window af&amp;ter</source>
        <translation>无操作锁定窗口时间(&amp;T)</translation>
    </message>
    <message>
        <source>Account na&amp;me:</source>
        <translation>账户名(&amp;M)：</translation>
    </message>
</context>
<context>
    <name>ExportOption</name>
    <message>
        <source>导出设置选项</source>
        <translation>导出设置选项</translation>
    </message>
    <message>
        <source>时间设置</source>
        <translation>时间设置</translation>
    </message>
    <message>
        <source>开始时间：</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <source>结束时间：</source>
        <translation>结束时间：</translation>
    </message>
    <message>
        <source>存储路径</source>
        <translation>存储路径</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>选择(&amp;L)</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>file export postion</source>
        <translation>文件导出位置</translation>
    </message>
    <message>
        <source>cuo wu</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>jie su shi jian bu neng zao yu kai shi shi jian  </source>
        <translation>结束时间不能早于开始时间</translation>
    </message>
    <message>
        <source>queding</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>%1 Files (*.%2)</translation>
    </message>
    <message>
        <source>PDF wen jian xie ru shi bai: %1</source>
        <translation>PDF文件写入失败：%1</translation>
    </message>
    <message>
        <source>CSV layout</source>
        <translation>CSV格式</translation>
    </message>
    <message>
        <source>Comma, decimal point (1.5)</source>
        <translation>逗号分隔，小数点 (1.5)</translation>
    </message>
    <message>
        <source>Semicolon, decimal comma (1,5)</source>
        <translation>分号分隔，小数逗号 (1,5)</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>分隔符：</translation>
    </message>
    <message>
        <source>Trip details above the samples</source>
        <translation>在数据上方写入行程信息</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>正在导出...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>cuo wu</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>cheng xu ji jing zai yun xing,qing guan bi hou zai chong xin da kai</source>
        <translation>程序已经在运行，请关闭后再重新打开</translation>
    </message>
    <message>
        <source>que ding</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
