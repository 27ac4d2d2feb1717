<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Alerts</name>
    <message>
        <source>Paste this Folder?</source>
        <translation>粘贴此文件夹？</translation>
    </message>
    <message>
        <source>Are you sure you want to Paste this Folder with all its contents in the current destination?</source>
        <translation>确定要将此文件夹及其全部内容粘贴到当前位置吗？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>DataFolderLock</name>
    <message>
        <source>Tavrin is already running</source>
        <translation>Tavrin 已在运行</translation>
    </message>
    <message>
        <source>Another Tavrin (%1) uses the clipboard history in %2. Two at once would overwrite each other&apos;s copies; quit the other one first.</source>
        <translation>另一个 Tavrin（%1）正在使用 %2 中的剪贴板历史。两个同时运行会互相覆盖复制的内容；请先退出另一个。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>another process</source>
        <translation>另一个进程</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>%2 上的进程 %1</translation>
    </message>
</context>
<context>
    <name>GuideHelpPage</name>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>The help page is missing from this build of Tavrin.</source>
        <translation>此 Tavrin 构建中缺少帮助页面。</translation>
    </message>
    <message>
        <source>The help page could not be written to %1.</source>
        <translation>无法将帮助页面写入 %1。</translation>
    </message>
</context>
<context>
    <name>Newsletter</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Successfully Subscribed</source>
        <translation>订阅成功</translation>
    </message>
    <message>
        <source>You have Successfully Subscribed for our Newslatter.</source>
        <translation>您已成功订阅我们的新闻通讯。</translation>
    </message>
    <message>
        <source>Already Subscribed</source>
        <translation>已订阅</translation>
    </message>
    <message>
        <source>The email address &quot;%1&quot; already has an Active Subscription.</source>
        <translation>电子邮件地址“%1”已有有效的订阅。</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>There was an error in processing your request. Please try again later.</source>
        <translation>处理您的请求时出错。请稍后再试。</translation>
    </message>
    <message>
        <source>Email cannot be blank</source>
        <translation>电子邮件地址不能为空</translation>
    </message>
    <message>
        <source>Please enter a valid Email address</source>
        <translation>请输入有效的电子邮件地址</translation>
    </message>
    <message>
        <source>Invalid Email</source>
        <translation>无效的电子邮件地址</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>Quick access shortcut</source>
        <translation>快速访问快捷键</translation>
    </message>
    <message>
        <source>Sequential paste on or off shortcut</source>
        <translation>顺序粘贴开关快捷键</translation>
    </message>
    <message>
        <source>Paste next shortcut</source>
        <translation>粘贴下一项快捷键</translation>
    </message>
    <message>
        <source>Clear quick access shortcut</source>
        <translation>清除快速访问快捷键</translation>
    </message>
    <message>
        <source>Clear sequential paste on or off shortcut</source>
        <translation>清除顺序粘贴开关快捷键</translation>
    </message>
    <message>
        <source>Clear paste next shortcut</source>
        <translation>清除粘贴下一项快捷键</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Click here to enter shortcut</source>
        <translation>点击此处输入快捷键</translation>
    </message>
    <message>
        <source>Please use a different key combination.</source>
        <translation>请使用其他组合键。</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>No Entries</source>
        <translation>没有条目</translation>
    </message>
    <message>
        <source>Show Clipboard</source>
        <translation>显示剪贴板</translation>
    </message>
</context>
<context>
    <name>tavrin::AboutPane</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Tavrin icon</source>
        <translation>Tavrin 图标</translation>
    </message>
    <message>
        <source>Version unknown</source>
        <translation>版本未知</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Tavrin keeps every text and file you copy, so that you can copy or paste it again whenever you need it.</source>
        <translation>Tavrin 会保存您复制的每一段文本和每一个文件，方便您随时再次复制或粘贴。</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>Rate Tavrin</source>
        <translation>给 Tavrin 评分</translation>
    </message>
</context>
<context>
    <name>tavrin::AppActions</name>
    <message>
        <source>Manage Clipboard</source>
        <translation>管理剪贴板</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <translation>清空剪贴板</translation>
    </message>
    <message>
        <source>Show Sequential Paste Queue</source>
        <translation>显示顺序粘贴队列</translation>
    </message>
    <message>
        <source>Clear Sequential Paste Queue</source>
        <translation>清空顺序粘贴队列</translation>
    </message>
    <message>
        <source>Pause Recording</source>
        <translation>暂停记录</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Hide Sequential Paste Queue</source>
        <translation>隐藏顺序粘贴队列</translation>
    </message>
    <message>
        <source>Resume Recording</source>
        <translation>继续记录</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>移除所有项目？</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the entire Clipboard?.</source>
        <translation>确定要清空整个剪贴板吗？</translation>
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
    <name>tavrin::AppShell</name>
    <message>
        <source>Copied: press Ctrl+V</source>
        <translation>已复制：请按 Ctrl+V</translation>
    </message>
</context>
<context>
    <name>tavrin::AppShortcuts</name>
    <message>
        <source>The key stored for this shortcut, &quot;%1&quot;, cannot be used here.</source>
        <translation>为此快捷键保存的按键“%1”无法在此使用。</translation>
    </message>
</context>
<context>
    <name>tavrin::ClipboardPane</name>
    <message>
        <source>Clipboard</source>
        <translation>剪贴板</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>剪贴板历史</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>移除此项目</translation>
    </message>
    <message>
        <source>Clear entire Clipboard items</source>
        <translation>清除剪贴板中的所有项目</translation>
    </message>
    <message>
        <source>Unpin this Item</source>
        <translation>取消固定此项目</translation>
    </message>
    <message>
        <source>Pin this Item</source>
        <translation>固定此项目</translation>
    </message>
    <message>
        <source>Add to Custom Clipboard</source>
        <translation>添加到自定义剪贴板</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>移除所选项目？</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>确定要移除所选项目吗？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>移除所有项目？</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the entire Clipboard?.</source>
        <translation>确定要清空整个剪贴板吗？</translation>
    </message>
</context>
<context>
    <name>tavrin::CopiedToast</name>
    <message>
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
</context>
<context>
    <name>tavrin::CopyDroppedNotice</name>
    <message>
        <source>The application that copied</source>
        <translation>执行复制的应用程序</translation>
    </message>
    <message>
        <source>Tavrin did not record a copy</source>
        <translation>Tavrin 未记录一次复制</translation>
    </message>
    <message>
        <source>%1 took longer than %2 s to hand over what was copied, so it is not in the history. The setting %3 sets how long Tavrin waits.</source>
        <translation>%1 交出复制内容的时间超过了 %2 秒，因此它不在历史中。设置项 %3 决定 Tavrin 等待多久。</translation>
    </message>
</context>
<context>
    <name>tavrin::DesktopSupportView</name>
    <message>
        <source>Show the list</source>
        <translation>显示列表</translation>
    </message>
    <message>
        <source>Switch sequential paste on or off</source>
        <translation>开启或关闭顺序粘贴</translation>
    </message>
    <message>
        <source>Paste the next entry of the sequential queue</source>
        <translation>粘贴顺序队列中的下一项</translation>
    </message>
    <message>
        <source>This desktop</source>
        <translation>此桌面</translation>
    </message>
    <message>
        <source>Session: %1</source>
        <translation>会话：%1</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>捕获</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>全局快捷键</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>托盘图标</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>To make it work, run:</source>
        <translation>要使其工作，请运行：</translation>
    </message>
    <message>
        <source>The command that makes it work</source>
        <translation>使其工作的命令</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copy &quot;%1&quot;</source>
        <translation>复制“%1”</translation>
    </message>
    <message>
        <source>Works</source>
        <translation>可用</translation>
    </message>
    <message>
        <source>Does not work</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>Not every shortcut works</source>
        <translation>并非所有快捷键都可用</translation>
    </message>
    <message>
        <source>Global shortcuts: %1</source>
        <translation>全局快捷键：%1</translation>
    </message>
    <message>
        <source>This desktop does not let programs take shortcuts. Bind these commands to keys in the desktop&apos;s own key settings:</source>
        <translation>此桌面不允许程序占用快捷键。请在桌面自身的键盘设置中为这些命令绑定按键：</translation>
    </message>
</context>
<context>
    <name>tavrin::DimmingLayer</name>
    <message>
        <source>Dimming</source>
        <translation>变暗层</translation>
    </message>
</context>
<context>
    <name>tavrin::FileOrFolderDialog</name>
    <message>
        <source>Choose</source>
        <translation>选择</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupListModel</name>
    <message>
        <source>Clipboard</source>
        <translation>剪贴板</translation>
    </message>
    <message>
        <source>Custom Clipboards</source>
        <translation>自定义剪贴板</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupListView</name>
    <message>
        <source>Remove this Clipboard</source>
        <translation>移除此剪贴板</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>移除 %1</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupPane</name>
    <message>
        <source>Add a file or folder to paste at a later time</source>
        <translation>添加文件或文件夹以便稍后粘贴</translation>
    </message>
    <message>
        <source>Please select a file/folder to add to Clipboard for Quick copy and pasting</source>
        <translation>请选择要添加到剪贴板的文件或文件夹，以便快速复制和粘贴</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>剪贴板</translation>
    </message>
    <message>
        <source>Clipboard items</source>
        <translation>剪贴板项目</translation>
    </message>
    <message>
        <source>Add a file or folder</source>
        <translation>添加文件或文件夹</translation>
    </message>
    <message>
        <source>No files found</source>
        <translation>未找到文件</translation>
    </message>
    <message>
        <source>Add a file or folder with the + button, or drop files onto this Clipboard&apos;s name in the sidebar.</source>
        <translation>使用 + 按钮添加文件或文件夹，或将文件拖放到侧边栏中此剪贴板的名称上。</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>移除此项目</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>全部移除</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>移除所选项目？</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>确定要移除所选项目吗？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>移除所有项目？</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all the items from this Clipboard?</source>
        <translation>确定要移除此剪贴板中的所有项目吗？</translation>
    </message>
</context>
<context>
    <name>tavrin::HistoryRowDelegate</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
</context>
<context>
    <name>tavrin::ListPane</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
</context>
<context>
    <name>tavrin::MainWindowContent</name>
    <message>
        <source>Pane</source>
        <translation>窗格</translation>
    </message>
</context>
<context>
    <name>tavrin::NewsletterForm</name>
    <message>
        <source>Subscribe</source>
        <translation>订阅</translation>
    </message>
    <message>
        <source>Hear about new versions: leave your e-mail address for our newsletter.</source>
        <translation>获取新版本消息：留下您的电子邮件地址以订阅我们的新闻通讯。</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>电子邮件地址</translation>
    </message>
</context>
<context>
    <name>tavrin::PasteAccessGuide</name>
    <message>
        <source>Tavrin cannot paste here</source>
        <translation>Tavrin 无法在此粘贴</translation>
    </message>
    <message>
        <source>Tavrin pastes by typing Ctrl+V for you. That needs an X11 session with the XTEST extension, and this session has none. Your entry is on the clipboard: press Ctrl+V to paste it yourself.</source>
        <translation>Tavrin 通过替您按下 Ctrl+V 来粘贴。这需要带有 XTEST 扩展的 X11 会话，而此会话没有。您的条目已在剪贴板中：请按 Ctrl+V 自行粘贴。</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>第 1 步</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>第 2 步</translation>
    </message>
    <message>
        <source>How to Make Pasting Work</source>
        <translation>如何让粘贴生效</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>No program could open the help page. You find it at %1</source>
        <translation>没有程序能打开帮助页面。它位于 %1</translation>
    </message>
</context>
<context>
    <name>tavrin::PreferencesPane</name>
    <message>
        <source>Start pasting from first copied item to last</source>
        <translation>从最先复制的项目粘贴到最后一个</translation>
    </message>
    <message>
        <source>Start pasting from Last copied item to first</source>
        <translation>从最后复制的项目粘贴到第一个</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Play interaction sounds</source>
        <translation>播放交互音效</translation>
    </message>
    <message>
        <source>Start Tavrin at login</source>
        <translation>登录时启动 Tavrin</translation>
    </message>
    <message>
        <source>This desktop gives programs no way to start with the session.</source>
        <translation>此桌面不提供让程序随会话启动的方式。</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Click a box, then press the keys: at least one of Ctrl, Alt, Shift or Super with another key. The shortcuts work in every application.</source>
        <translation>点击一个框，然后按下按键：Ctrl、Alt、Shift 或 Super 中至少一个，再加另一个键。快捷键在所有应用程序中都有效。</translation>
    </message>
    <message>
        <source>This desktop does not let programs take shortcuts: bind the commands under &quot;This desktop&quot; below in the desktop&apos;s own keyboard settings.</source>
        <translation>此桌面不允许程序占用快捷键：请在桌面自身的键盘设置中绑定下方“此桌面”中列出的命令。</translation>
    </message>
    <message>
        <source>Show the clipboard list</source>
        <translation>显示剪贴板列表</translation>
    </message>
    <message>
        <source>Sequential Queue</source>
        <translation>顺序队列</translation>
    </message>
    <message>
        <source>Record both shortcuts below. Press the first to start sequential paste: every text or file you copy then joins the queue, shown in a small window. Each press of the second pastes the next queued entry into the application in front, in the order chosen here. Press the first again, or close the queue window, to stop.</source>
        <translation>在下方录制两个快捷键。按第一个开始顺序粘贴：之后您复制的每段文本或每个文件都会加入队列，并显示在一个小窗口中。每按一次第二个快捷键，就按此处选择的顺序将队列中的下一项粘贴到前台的应用程序中。再次按第一个快捷键或关闭队列窗口即可停止。</translation>
    </message>
    <message>
        <source>Sequential paste on or off</source>
        <translation>开启或关闭顺序粘贴</translation>
    </message>
    <message>
        <source>Paste the next queued entry</source>
        <translation>粘贴队列中的下一项</translation>
    </message>
    <message>
        <source>Paste order</source>
        <translation>粘贴顺序</translation>
    </message>
    <message>
        <source>Clear this shortcut</source>
        <translation>清除此快捷键</translation>
    </message>
    <message>
        <source>Does not work: %1</source>
        <translation>不可用：%1</translation>
    </message>
    <message>
        <source>Tavrin could not be set to start at login.</source>
        <translation>无法将 Tavrin 设置为登录时启动。</translation>
    </message>
    <message>
        <source>Tavrin could not be kept from starting at login.</source>
        <translation>无法阻止 Tavrin 在登录时启动。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>tavrin::QueueListModel</name>
    <message>
        <source>Pasted next</source>
        <translation>下一个粘贴</translation>
    </message>
    <message>
        <source>pasted next</source>
        <translation>下一个粘贴</translation>
    </message>
</context>
<context>
    <name>tavrin::QuickListView</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>移除此项目</translation>
    </message>
    <message>
        <source>Unpin this Item</source>
        <translation>取消固定此项目</translation>
    </message>
    <message>
        <source>Pin this Item</source>
        <translation>固定此项目</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>移除所选项目？</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>确定要移除所选项目吗？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>剪贴板</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Show the Clipboard or a Custom Clipboard</source>
        <translation>显示剪贴板或自定义剪贴板</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>剪贴板历史</translation>
    </message>
    <message>
        <source>Show Tooltip</source>
        <translation>显示工具提示</translation>
    </message>
    <message>
        <source>Shown list: %1</source>
        <translation>显示的列表：%1</translation>
    </message>
</context>
<context>
    <name>tavrin::SaveNotices</name>
    <message>
        <source>Tavrin kept a damaged file aside</source>
        <translation>Tavrin 已将损坏的文件另存</translation>
    </message>
    <message>
        <source>%1 could not be read whole (%2). It is kept as %3, and Tavrin saves in its place.</source>
        <translation>%1 无法完整读取（%2）。它已保留为 %3，Tavrin 会在原位置保存。</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The history is saved to %3 from now on.</source>
        <translation>无法使用 %1：%2。从现在起历史将保存到 %3。</translation>
    </message>
    <message>
        <source>Its entries were read from %1, which is left as it is.</source>
        <translation>其条目读取自 %1，该文件保持原样。</translation>
    </message>
    <message>
        <source>Tavrin saves the clipboard history in another file</source>
        <translation>Tavrin 将剪贴板历史保存到另一个文件</translation>
    </message>
    <message>
        <source>Tavrin cannot save the clipboard history</source>
        <translation>Tavrin 无法保存剪贴板历史</translation>
    </message>
    <message>
        <source>%1: %2. What you copy stays in memory, and Tavrin keeps trying.</source>
        <translation>%1：%2。您复制的内容保留在内存中，Tavrin 会继续尝试。</translation>
    </message>
    <message>
        <source>Tavrin saves the clipboard history again</source>
        <translation>Tavrin 已恢复保存剪贴板历史</translation>
    </message>
    <message>
        <source>Tavrin cannot save its settings</source>
        <translation>Tavrin 无法保存其设置</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>Tavrin saves its settings again</source>
        <translation>Tavrin 已恢复保存其设置</translation>
    </message>
    <message>
        <source>Tavrin cannot save a group</source>
        <translation>Tavrin 无法保存分组</translation>
    </message>
    <message>
        <source>Tavrin saves the group again</source>
        <translation>Tavrin 已恢复保存分组</translation>
    </message>
</context>
<context>
    <name>tavrin::SequentialQueueView</name>
    <message>
        <source>In order to use the Sequential paste option, follow the instructions under Sequential Queue in Preferences.</source>
        <translation>要使用顺序粘贴，请按照首选项中“顺序队列”下的说明操作。</translation>
    </message>
    <message>
        <source>Sequential Paste Queue</source>
        <translation>顺序粘贴队列</translation>
    </message>
    <message>
        <source>Close the queue and end sequential paste</source>
        <translation>关闭队列并结束顺序粘贴</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Queued entries</source>
        <translation>队列中的条目</translation>
    </message>
    <message>
        <source>Queue entry</source>
        <translation>队列条目</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>全部移除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>tavrin::SequentialQueueWindow</name>
    <message>
        <source>Sequential Paste Queue</source>
        <translation>顺序粘贴队列</translation>
    </message>
</context>
<context>
    <name>tavrin::ShortcutRecorderBox</name>
    <message>
        <source>Recording: press the new shortcut. %1</source>
        <translation>正在录制：请按下新的快捷键。%1</translation>
    </message>
</context>
<context>
    <name>tavrin::ShownListModel</name>
    <message>
        <source>pinned</source>
        <translation>已固定</translation>
    </message>
</context>
<context>
    <name>tavrin::Sidebar</name>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>A Clipboard name cannot contain a slash (/).</source>
        <translation>剪贴板名称不能包含斜杠（/）。</translation>
    </message>
    <message>
        <source>A Clipboard name cannot contain a null character.</source>
        <translation>剪贴板名称不能包含空字符。</translation>
    </message>
    <message>
        <source>A Clipboard cannot be named &quot;.&quot; or &quot;..&quot;.</source>
        <translation>剪贴板不能命名为“.”或“..”。</translation>
    </message>
    <message>
        <source>The name &quot;myfile&quot; belongs to the Clipboard history&apos;s own file.</source>
        <translation>名称“myfile”属于剪贴板历史自身的文件。</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>侧边栏</translation>
    </message>
    <message>
        <source>Clipboard and Custom Clipboards</source>
        <translation>剪贴板和自定义剪贴板</translation>
    </message>
    <message>
        <source>Preferences and About</source>
        <translation>首选项和关于</translation>
    </message>
    <message>
        <source>Add Clipboard</source>
        <translation>添加剪贴板</translation>
    </message>
    <message>
        <source>Add a Clipboard</source>
        <translation>添加一个剪贴板</translation>
    </message>
    <message>
        <source>Clipboard with the same name already exists.</source>
        <translation>已存在同名的剪贴板。</translation>
    </message>
    <message>
        <source>The Clipboard&apos;s items could not be saved under this name (it may be too long for a file name), so it keeps its name.</source>
        <translation>无法以此名称保存剪贴板的项目（它可能太长，不能用作文件名），因此保留原名称。</translation>
    </message>
    <message>
        <source>Enter a valid name</source>
        <translation>请输入有效的名称</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Remove selected Clipboard?</source>
        <translation>移除所选剪贴板？</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected Clipboard? All the Items of this Clipboard will also be removed.</source>
        <translation>确定要移除所选剪贴板吗？此剪贴板中的所有项目也将被移除。</translation>
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
    <name>tavrin::SidebarRowDelegate</name>
    <message>
        <source>Clipboard name</source>
        <translation>剪贴板名称</translation>
    </message>
</context>
<context>
    <name>tavrin::TrayIcon</name>
    <message>
        <source>Tavrin (recording paused)</source>
        <translation>Tavrin（已暂停记录）</translation>
    </message>
</context>
<context>
    <name>tavrin::TrayMenuWindow</name>
    <message>
        <source>Tavrin Menu</source>
        <translation>Tavrin 菜单</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>分隔线</translation>
    </message>
</context>
<context>
    <name>tavrin::WelcomePane</name>
    <message>
        <source>Start Tavrin at login</source>
        <translation>登录时启动 Tavrin</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>开始使用</translation>
    </message>
    <message>
        <source>Welcome to Tavrin</source>
        <translation>欢迎使用 Tavrin</translation>
    </message>
    <message>
        <source>Tavrin keeps everything you copy, texts as well as files and folders, so that you can copy or paste it again later.</source>
        <translation>Tavrin 会保存您复制的所有内容，包括文本以及文件和文件夹，方便您稍后再次复制或粘贴。</translation>
    </message>
    <message>
        <source>Open the list of what you copied by clicking the Tavrin icon in the tray, or with a shortcut of your own.</source>
        <translation>点击托盘中的 Tavrin 图标，或使用您自己的快捷键，即可打开已复制内容的列表。</translation>
    </message>
    <message>
        <source>Record the shortcuts for the list and for pasting one item after another in Preferences.</source>
        <translation>请在首选项中录制用于打开列表和逐项粘贴的快捷键。</translation>
    </message>
    <message>
        <source>This desktop cannot start programs when you log in.</source>
        <translation>此桌面无法在您登录时启动程序。</translation>
    </message>
    <message>
        <source>Tavrin will not start at login</source>
        <translation>Tavrin 不会在登录时启动</translation>
    </message>
    <message>
        <source>%1. You can try again in Preferences.</source>
        <translation>%1。您可以在首选项中重试。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
