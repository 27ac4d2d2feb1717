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
    <name>CommandLine</name>
    <message>
        <source>tavrin: %1
See &quot;%2&quot;.
</source>
        <translation>tavrin：%1
请参阅“%2”。
</translation>
    </message>
    <message>
        <source>%1: row numbers start at 1, so there is no row %2</source>
        <translation>%1：行号从 1 开始，因此没有第 %2 行</translation>
    </message>
    <message>
        <source>%1: N is an entry&apos;s row, a whole number from 1 on, not &quot;%2&quot;</source>
        <translation>%1：N 是条目的行号，为从 1 开始的整数，而不是“%2”</translation>
    </message>
    <message>
        <source>%1 needs --%2: %3</source>
        <translation>%1 需要 --%2：%3</translation>
    </message>
    <message>
        <source>%1: --%2 takes a whole number up to %3, not &quot;%4&quot;</source>
        <translation>%1：--%2 接受不超过 %3 的整数，而不是“%4”</translation>
    </message>
    <message>
        <source>%1: --%2 takes a whole number, 0 or more, not &quot;%3&quot;</source>
        <translation>%1：--%2 接受 0 或更大的整数，而不是“%3”</translation>
    </message>
    <message>
        <source>%1 takes no arguments, but got &quot;%2&quot;</source>
        <translation>%1 不接受参数，但收到了“%2”</translation>
    </message>
    <message>
        <source>%1 takes one %2, but got also &quot;%3&quot; (quote a text with spaces)</source>
        <translation>%1 只接受一个 %2，但还收到了“%3”（含空格的文本请加引号）</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 需要 %2</translation>
    </message>
    <message>
        <source>--backend needs a name: x11, wayland, gnome or auto</source>
        <translation>--backend 需要一个名称：x11、wayland、gnome 或 auto</translation>
    </message>
    <message>
        <source>--backend starts Tavrin and takes no command, but got &quot;%1&quot;</source>
        <translation>--backend 用于启动 Tavrin，不接受命令，但收到了“%1”</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>没有命令“%1”</translation>
    </message>
    <message>
        <source>--help takes no arguments</source>
        <translation>--help 不接受参数</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version 不接受参数</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>Usage: tavrin [COMMAND [OPTIONS] [ARGUMENT]]</source>
        <translation>用法：tavrin [命令 [选项] [参数]]</translation>
    </message>
    <message>
        <source>Tavrin keeps everything you copy. Without a command it starts, or shows the list of the Tavrin already running on this display. A command asks the running Tavrin.</source>
        <translation>Tavrin 会保存您复制的所有内容。不带命令时它会启动，或显示此显示器上已在运行的 Tavrin 的列表。命令会发送给正在运行的 Tavrin。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Show this help; &quot;tavrin COMMAND --help&quot; shows a command&apos;s.</source>
        <translation>显示此帮助；“tavrin 命令 --help”显示某个命令的帮助。</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>显示版本。</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the command failed, 2 a wrong command line, 3 Tavrin is not running on this display.</source>
        <translation>退出状态：0 完成，1 命令失败，2 命令行错误，3 Tavrin 未在此显示器上运行。</translation>
    </message>
    <message>
        <source>Usage: tavrin %1</source>
        <translation>用法：tavrin %1</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>显示此帮助。</translation>
    </message>
    <message>
        <source>Start on the desktop backend NAME: wayland, gnome, x11 or auto (the default: wayland where the compositor lets programs follow the clipboard, gnome in a GNOME Wayland session, else x11). The TAVRIN_BACKEND environment variable does the same.</source>
        <translation>使用桌面后端 NAME 启动：wayland、gnome、x11 或 auto（默认：在合成器允许程序跟踪剪贴板时使用 wayland，在 GNOME Wayland 会话中使用 gnome，否则使用 x11）。环境变量 TAVRIN_BACKEND 的作用相同。</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Print a JSON array of objects with &quot;index&quot;, &quot;pinned&quot;, &quot;kind&quot; (&quot;text&quot;, &quot;file&quot; or &quot;folder&quot;) and &quot;text&quot;, the whole entry.</source>
        <translation>输出一个 JSON 对象数组，包含 &quot;index&quot;、&quot;pinned&quot;、&quot;kind&quot;（&quot;text&quot;、&quot;file&quot; 或 &quot;folder&quot;）以及完整条目 &quot;text&quot;。</translation>
    </message>
    <message>
        <source>Print at most N entries (0: all, the default).</source>
        <translation>最多输出 N 个条目（0：全部，默认值）。</translation>
    </message>
    <message>
        <source>Show at most N characters of each entry on its line (default 100; 0: all).</source>
        <translation>每个条目在其行中最多显示 N 个字符（默认 100；0：全部）。</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>无法读取标准输入：%1</translation>
    </message>
    <message>
        <source>standard input holds more than %1 bytes (%2 MiB), the most Tavrin adds as one text; nothing was added</source>
        <translation>标准输入超过 %1 字节（%2 MiB），这是 Tavrin 作为一段文本添加的上限；未添加任何内容</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte; Tavrin adds texts only</source>
        <translation>标准输入包含 NUL 字节；Tavrin 只添加文本</translation>
    </message>
    <message>
        <source>standard input is not valid UTF-8; the invalid bytes were replaced</source>
        <translation>标准输入不是有效的 UTF-8；无效字节已被替换</translation>
    </message>
    <message>
        <source>N is the entry&apos;s row as &quot;tavrin list&quot; prints it and the list window shows it, counted from 1; a row beyond the history is refused with the number of entries there are.</source>
        <translation>N 是条目的行号，与“tavrin list”输出及列表窗口显示的一致，从 1 开始计数；超出历史的行号会被拒绝，并告知现有条目数。</translation>
    </message>
    <message>
        <source>Print the history, top row first</source>
        <translation>输出历史，从最上面一行开始</translation>
    </message>
    <message>
        <source>Prints the history in the list window&apos;s order: the pinned entries, then the others newest first. Each line holds the row number (followed by * for a pinned entry), a tab, and the entry on one line: white space runs become one space, control characters show as symbols, and long entries end in &quot;…&quot;.</source>
        <translation>按列表窗口的顺序输出历史：先是已固定的条目，然后是其余条目，最新的在前。每行包含行号（已固定的条目后跟 *）、一个制表符以及单行显示的条目：连续的空白变为一个空格，控制字符显示为符号，过长的条目以“…”结尾。</translation>
    </message>
    <message>
        <source>Print the entries that contain TEXT</source>
        <translation>输出包含 TEXT 的条目</translation>
    </message>
    <message>
        <source>Prints the entries that contain TEXT, ignoring case, with their row numbers, in the form of &quot;tavrin list&quot;. An empty TEXT matches nothing.</source>
        <translation>以“tavrin list”的格式输出包含 TEXT 的条目（不区分大小写）及其行号。空的 TEXT 不匹配任何条目。</translation>
    </message>
    <message>
        <source>Put entry N on the clipboard</source>
        <translation>将第 N 个条目放入剪贴板</translation>
    </message>
    <message>
        <source>Puts entry N on the clipboard, a file or folder as a file.</source>
        <translation>将第 N 个条目放入剪贴板，文件或文件夹以文件形式放入。</translation>
    </message>
    <message>
        <source>Paste entry N into the window that has the focus</source>
        <translation>将第 N 个条目粘贴到拥有焦点的窗口</translation>
    </message>
    <message>
        <source>Puts entry N on the clipboard and pastes it into the window that had the focus when the command ran, as Ctrl+N does in the list window. A folder is pasted once it is confirmed.</source>
        <translation>将第 N 个条目放入剪贴板，并粘贴到命令运行时拥有焦点的窗口中，效果同列表窗口中的 Ctrl+N。文件夹需确认后才会粘贴。</translation>
    </message>
    <message>
        <source>Copy TEXT, or standard input, as a new entry</source>
        <translation>将 TEXT 或标准输入复制为新条目</translation>
    </message>
    <message>
        <source>Puts the text on the clipboard and at the top of the history, as if it had been copied. Without TEXT, or with -, the text is standard input, exactly as read (a final line break included). A text may hold up to %1 MiB of UTF-8; a larger one is refused, as is any text while recording is paused.</source>
        <translation>将文本放入剪贴板并置于历史顶部，如同被复制一样。不带 TEXT 或使用 - 时，文本取自标准输入，按读取原样（包括末尾的换行）。文本最多可含 %1 MiB 的 UTF-8；更大的文本会被拒绝，暂停记录期间的任何文本也会被拒绝。</translation>
    </message>
    <message>
        <source>Remove entry N from the history</source>
        <translation>从历史中移除第 N 个条目</translation>
    </message>
    <message>
        <source>Removes entry N, pinned or not.</source>
        <translation>移除第 N 个条目，无论是否已固定。</translation>
    </message>
    <message>
        <source>Pin entry N</source>
        <translation>固定第 N 个条目</translation>
    </message>
    <message>
        <source>Pins entry N: it moves to the bottom of the pinned entries at the top of the list. At most nine entries are pinned.</source>
        <translation>固定第 N 个条目：它会移到列表顶部已固定条目的末尾。最多可固定九个条目。</translation>
    </message>
    <message>
        <source>Unpin entry N</source>
        <translation>取消固定第 N 个条目</translation>
    </message>
    <message>
        <source>Unpins entry N: it moves to just below the pinned entries.</source>
        <translation>取消固定第 N 个条目：它会移到已固定条目的正下方。</translation>
    </message>
    <message>
        <source>Remove every entry, pinned ones too</source>
        <translation>移除所有条目，包括已固定的</translation>
    </message>
    <message>
        <source>Removes every entry of the history, pinned ones included, as &quot;Clear Clipboard&quot; does. --yes confirms it.</source>
        <translation>移除历史中的所有条目，包括已固定的，与“清空剪贴板”相同。--yes 用于确认。</translation>
    </message>
    <message>
        <source>Confirm that the whole history goes.</source>
        <translation>确认移除整个历史。</translation>
    </message>
    <message>
        <source>Show the list window</source>
        <translation>显示列表窗口</translation>
    </message>
    <message>
        <source>Shows the list window, as the tray icon and the shortcut do.</source>
        <translation>显示列表窗口，与托盘图标和快捷键的作用相同。</translation>
    </message>
    <message>
        <source>Show the main window instead.</source>
        <translation>改为显示主窗口。</translation>
    </message>
    <message>
        <source>Switch sequential paste mode on or off</source>
        <translation>开启或关闭顺序粘贴模式</translation>
    </message>
    <message>
        <source>Shows or hides the sequential paste queue, which switches sequential mode on or off, and prints the new state.</source>
        <translation>显示或隐藏顺序粘贴队列，从而开启或关闭顺序模式，并输出新的状态。</translation>
    </message>
    <message>
        <source>Paste the next entry of the sequential paste queue</source>
        <translation>粘贴顺序粘贴队列中的下一项</translation>
    </message>
    <message>
        <source>Takes the next entry off the sequential paste queue, oldest or newest first as the Preferences say, and pastes it into the window that has the focus, as the sequential paste shortcut does. Fails when the queue is empty. Bind it to a key in the desktop&apos;s own key settings where Tavrin cannot take shortcuts itself.</source>
        <translation>从顺序粘贴队列中取出下一项（按首选项的设置，最旧或最新的在前），并粘贴到拥有焦点的窗口中，与顺序粘贴快捷键的作用相同。队列为空时失败。在 Tavrin 自身无法占用快捷键的桌面上，请在桌面自身的键盘设置中将其绑定到按键。</translation>
    </message>
    <message>
        <source>Stop recording copies</source>
        <translation>停止记录复制内容</translation>
    </message>
    <message>
        <source>Stops recording: until &quot;tavrin resume&quot;, or until Tavrin starts again, nothing copied goes into the history, and what was copied meanwhile is not recorded later.</source>
        <translation>停止记录：在“tavrin resume”之前或 Tavrin 重新启动之前，复制的任何内容都不会进入历史，期间复制的内容之后也不会被记录。</translation>
    </message>
    <message>
        <source>Record copies again</source>
        <translation>重新记录复制内容</translation>
    </message>
    <message>
        <source>Records copies again from the next one on.</source>
        <translation>从下一次复制起重新记录。</translation>
    </message>
    <message>
        <source>End the running Tavrin</source>
        <translation>结束正在运行的 Tavrin</translation>
    </message>
    <message>
        <source>Ends the running Tavrin, which first writes a history save still waiting, and returns once it has ended.</source>
        <translation>结束正在运行的 Tavrin（它会先写入尚在等待的历史保存），并在其结束后返回。</translation>
    </message>
</context>
<context>
    <name>ControlBus</name>
    <message>
        <source>there is no entry %1: the history is empty</source>
        <translation>没有第 %1 个条目：历史为空</translation>
    </message>
    <message>
        <source>there is no entry %1: the history has 1 entry, numbered from 1</source>
        <translation>没有第 %1 个条目：历史有 1 个条目，从 1 开始编号</translation>
    </message>
    <message numerus="yes">
        <source>there is no entry %1: the history has %n entries, numbered from 1</source>
        <translation>
            <numerusform>没有第 %1 个条目：历史有 %n 个条目，从 1 开始编号</numerusform>
        </translation>
    </message>
    <message>
        <source>the text is %1 bytes long in UTF-8; Tavrin adds texts of at most %2 bytes (%3 MiB)</source>
        <translation>该文本的 UTF-8 长度为 %1 字节；Tavrin 添加的文本最多 %2 字节（%3 MiB）</translation>
    </message>
</context>
<context>
    <name>ControlClient</name>
    <message>
        <source>there is no D-Bus session bus (%1), so no running Tavrin can be reached</source>
        <translation>没有 D-Bus 会话总线（%1），因此无法连接任何正在运行的 Tavrin</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Tavrin is not running on display %1; start it with: tavrin</source>
        <translation>Tavrin 未在显示器 %1 上运行；请用以下命令启动：tavrin</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>the Tavrin running on display %1 does not take this command (%2)</source>
        <translation>在显示器 %1 上运行的 Tavrin 不接受此命令（%2）</translation>
    </message>
    <message>
        <source>Tavrin on display %1 did not answer (%2)</source>
        <translation>显示器 %1 上的 Tavrin 没有应答（%2）</translation>
    </message>
    <message>
        <source>the call to Tavrin failed: %1 (%2)</source>
        <translation>调用 Tavrin 失败：%1（%2）</translation>
    </message>
    <message>
        <source>the session bus does not pass file descriptors, which listing needs</source>
        <translation>会话总线不传递文件描述符，而列出条目需要它</translation>
    </message>
    <message>
        <source>Tavrin answered without the list</source>
        <translation>Tavrin 的应答中没有列表</translation>
    </message>
    <message>
        <source>reading the list failed: %1</source>
        <translation>读取列表失败：%1</translation>
    </message>
    <message>
        <source>Tavrin on display %1 did not end within %2 s</source>
        <translation>显示器 %1 上的 Tavrin 未在 %2 秒内结束</translation>
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
    <name>DesktopReasons</name>
    <message>
        <source>an autostart entry starts tavrin-launcher when you log in</source>
        <translation>自动启动项会在您登录时启动 tavrin-launcher</translation>
    </message>
    <message>
        <source>the Tavrin extension of GNOME Shell reports every copy</source>
        <translation>GNOME Shell 的 Tavrin 扩展会报告每一次复制</translation>
    </message>
    <message>
        <source>keys are typed through the Tavrin extension of GNOME Shell</source>
        <translation>按键通过 GNOME Shell 的 Tavrin 扩展输入</translation>
    </message>
    <message>
        <source>the Tavrin extension of GNOME Shell takes them; GNOME&apos;s own shortcuts stay GNOME&apos;s</source>
        <translation>由 GNOME Shell 的 Tavrin 扩展接管；GNOME 自己的快捷键仍归 GNOME</translation>
    </message>
    <message>
        <source>the panel shows status icons (StatusNotifierItem)</source>
        <translation>面板显示状态图标（StatusNotifierItem）</translation>
    </message>
    <message>
        <source>This key cannot be a shortcut on GNOME.</source>
        <translation>此按键在 GNOME 中不能用作快捷键。</translation>
    </message>
    <message>
        <source>This desktop lets no program take global shortcuts.</source>
        <translation>此桌面不允许任何程序占用全局快捷键。</translation>
    </message>
    <message>
        <source>keys are typed through the compositor&apos;s virtual keyboard</source>
        <translation>按键通过合成器的虚拟键盘输入</translation>
    </message>
    <message>
        <source>this desktop does not let programs take shortcuts: bind Tavrin&apos;s commands in the desktop&apos;s own key settings</source>
        <translation>此桌面不允许程序占用快捷键：请在桌面自身的键盘设置中绑定 Tavrin 的命令</translation>
    </message>
    <message>
        <source>no panel on this desktop shows status icons</source>
        <translation>此桌面上没有显示状态图标的面板</translation>
    </message>
    <message>
        <source>Global shortcuts need an X display, and none can be reached.</source>
        <translation>全局快捷键需要 X 显示器，但无法连接到任何 X 显示器。</translation>
    </message>
    <message>
        <source>The keyboard layout of the X display cannot be read.</source>
        <translation>无法读取 X 显示器的键盘布局。</translation>
    </message>
    <message>
        <source>a system tray shows the icon</source>
        <translation>系统托盘显示该图标</translation>
    </message>
    <message>
        <source>no system tray was running at start; the list opens with its shortcut or a second start</source>
        <translation>启动时没有运行系统托盘；可用其快捷键或再次启动来打开列表</translation>
    </message>
    <message>
        <source>no X server could be reached</source>
        <translation>无法连接到任何 X 服务器</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>在 X 服务器上抓取按键</translation>
    </message>
    <message>
        <source>the keyboard layout of the X server cannot be read</source>
        <translation>无法读取 X 服务器的键盘布局</translation>
    </message>
    <message>
        <source>XFixes tells every change of the clipboard&apos;s owner</source>
        <translation>XFixes 会报告剪贴板所有者的每次变化</translation>
    </message>
    <message>
        <source>the display offers no XFixes extension</source>
        <translation>该显示器不提供 XFixes 扩展</translation>
    </message>
    <message>
        <source>the paste keys are typed through XTEST</source>
        <translation>粘贴按键通过 XTEST 输入</translation>
    </message>
    <message>
        <source>the display offers no XTEST extension</source>
        <translation>该显示器不提供 XTEST 扩展</translation>
    </message>
    <message>
        <source>this desktop cannot start programs at login</source>
        <translation>此桌面无法在登录时启动程序</translation>
    </message>
    <message>
        <source>keys are typed through the desktop&apos;s RemoteDesktop portal</source>
        <translation>按键通过桌面的 RemoteDesktop 门户输入</translation>
    </message>
    <message>
        <source>this desktop does not let programs type keys; the entry is put on the clipboard and Ctrl+V pastes it</source>
        <translation>此桌面不允许程序输入按键；条目会放到剪贴板上，按 Ctrl+V 粘贴</translation>
    </message>
    <message>
        <source>KDE&apos;s shortcut service takes them; System Settings lists them under Tavrin</source>
        <translation>由 KDE 的快捷键服务接管；系统设置中在 Tavrin 下列出</translation>
    </message>
    <message>
        <source>it is not running (not a KDE Plasma session)</source>
        <translation>它未运行（不是 KDE Plasma 会话）</translation>
    </message>
    <message>
        <source>the desktop&apos;s GlobalShortcuts portal takes them, after asking in its own dialog</source>
        <translation>由桌面的 GlobalShortcuts 门户接管，会先在其自己的对话框中询问</translation>
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
    <message>
        <source>Show Tooltip</source>
        <translation>显示工具提示</translation>
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
    <name>tavrin::ControlService</name>
    <message>
        <source>the listing option &quot;%1&quot; is unknown or has a wrong value</source>
        <translation>列表选项“%1”未知或取值错误</translation>
    </message>
    <message>
        <source>cannot open a channel for the list: %1</source>
        <translation>无法为列表打开通道：%1</translation>
    </message>
    <message>
        <source>recording is paused, so nothing is added; resume it first</source>
        <translation>记录已暂停，因此不会添加任何内容；请先继续记录</translation>
    </message>
    <message>
        <source>an empty text is not added</source>
        <translation>不会添加空文本</translation>
    </message>
    <message>
        <source>entry %1 is pinned already</source>
        <translation>第 %1 个条目已固定</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are pinned already, the most there can be; unpin one first</source>
        <translation>
            <numerusform>已固定 %n 个条目，已达上限；请先取消固定一个</numerusform>
        </translation>
    </message>
    <message>
        <source>entry %1 is not pinned</source>
        <translation>第 %1 个条目未固定</translation>
    </message>
    <message>
        <source>the sequential paste queue is empty: nothing to paste</source>
        <translation>顺序粘贴队列为空：没有可粘贴的内容</translation>
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
    <message>
        <source>Waiting for the desktop to allow it</source>
        <translation>正在等待桌面允许</translation>
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
