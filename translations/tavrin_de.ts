<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Alerts</name>
    <message>
        <source>Paste this Folder?</source>
        <translation>Diesen Ordner einfügen?</translation>
    </message>
    <message>
        <source>Are you sure you want to Paste this Folder with all its contents in the current destination?</source>
        <translation>Möchten Sie diesen Ordner mit seinem gesamten Inhalt wirklich am aktuellen Ziel einfügen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>tavrin: %1
See &quot;%2&quot;.
</source>
        <translation>tavrin: %1
Siehe „%2“.
</translation>
    </message>
    <message>
        <source>%1: row numbers start at 1, so there is no row %2</source>
        <translation>%1: Zeilennummern beginnen bei 1, daher gibt es keine Zeile %2</translation>
    </message>
    <message>
        <source>%1: N is an entry&apos;s row, a whole number from 1 on, not &quot;%2&quot;</source>
        <translation>%1: N ist die Zeile eines Eintrags, eine ganze Zahl ab 1, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 needs --%2: %3</source>
        <translation>%1 braucht --%2: %3</translation>
    </message>
    <message>
        <source>%1: --%2 takes a whole number up to %3, not &quot;%4&quot;</source>
        <translation>%1: --%2 nimmt eine ganze Zahl bis %3, nicht „%4“</translation>
    </message>
    <message>
        <source>%1: --%2 takes a whole number, 0 or more, not &quot;%3&quot;</source>
        <translation>%1: --%2 nimmt eine ganze Zahl ab 0, nicht „%3“</translation>
    </message>
    <message>
        <source>%1 takes no arguments, but got &quot;%2&quot;</source>
        <translation>%1 nimmt keine Argumente, erhielt aber „%2“</translation>
    </message>
    <message>
        <source>%1 takes one %2, but got also &quot;%3&quot; (quote a text with spaces)</source>
        <translation>%1 nimmt ein %2, erhielt aber auch „%3“ (setzen Sie einen Text mit Leerzeichen in Anführungszeichen)</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source>--backend needs a name: x11, wayland, gnome or auto</source>
        <translation>--backend braucht einen Namen: x11, wayland, gnome oder auto</translation>
    </message>
    <message>
        <source>--backend starts Tavrin and takes no command, but got &quot;%1&quot;</source>
        <translation>--backend startet Tavrin und nimmt keinen Befehl, erhielt aber „%1“</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>es gibt keinen Befehl „%1“</translation>
    </message>
    <message>
        <source>--help takes no arguments</source>
        <translation>--help nimmt keine Argumente</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version nimmt keine Argumente</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>Usage: tavrin [COMMAND [OPTIONS] [ARGUMENT]]</source>
        <translation>Aufruf: tavrin [BEFEHL [OPTIONEN] [ARGUMENT]]</translation>
    </message>
    <message>
        <source>Tavrin keeps everything you copy. Without a command it starts, or shows the list of the Tavrin already running on this display. A command asks the running Tavrin.</source>
        <translation>Tavrin behält alles, was Sie kopieren. Ohne Befehl startet es oder zeigt die Liste des Tavrin, das auf dieser Anzeige bereits läuft. Ein Befehl richtet sich an das laufende Tavrin.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Show this help; &quot;tavrin COMMAND --help&quot; shows a command&apos;s.</source>
        <translation>Diese Hilfe anzeigen; „tavrin BEFEHL --help“ zeigt die eines Befehls.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the command failed, 2 a wrong command line, 3 Tavrin is not running on this display.</source>
        <translation>Rückgabewert: 0 erledigt, 1 der Befehl ist fehlgeschlagen, 2 eine falsche Befehlszeile, 3 Tavrin läuft nicht auf dieser Anzeige.</translation>
    </message>
    <message>
        <source>Usage: tavrin %1</source>
        <translation>Aufruf: tavrin %1</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Start on the desktop backend NAME: wayland, gnome, x11 or auto (the default: wayland where the compositor lets programs follow the clipboard, gnome in a GNOME Wayland session, else x11). The TAVRIN_BACKEND environment variable does the same.</source>
        <translation>Mit der Desktop-Anbindung NAME starten: wayland, gnome, x11 oder auto (Vorgabe: wayland, wo der Compositor Programmen erlaubt, der Zwischenablage zu folgen, gnome in einer GNOME-Wayland-Sitzung, sonst x11). Die Umgebungsvariable TAVRIN_BACKEND bewirkt dasselbe.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Print a JSON array of objects with &quot;index&quot;, &quot;pinned&quot;, &quot;kind&quot; (&quot;text&quot;, &quot;file&quot; or &quot;folder&quot;) and &quot;text&quot;, the whole entry.</source>
        <translation>Ein JSON-Array von Objekten mit &quot;index&quot;, &quot;pinned&quot;, &quot;kind&quot; (&quot;text&quot;, &quot;file&quot; oder &quot;folder&quot;) und &quot;text&quot;, dem ganzen Eintrag, ausgeben.</translation>
    </message>
    <message>
        <source>Print at most N entries (0: all, the default).</source>
        <translation>Höchstens N Einträge ausgeben (0: alle, die Vorgabe).</translation>
    </message>
    <message>
        <source>Show at most N characters of each entry on its line (default 100; 0: all).</source>
        <translation>Höchstens N Zeichen jedes Eintrags in seiner Zeile zeigen (Vorgabe 100; 0: alle).</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>die Standardeingabe kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>standard input holds more than %1 bytes (%2 MiB), the most Tavrin adds as one text; nothing was added</source>
        <translation>die Standardeingabe enthält mehr als %1 Bytes (%2 MiB), das Höchstmaß, das Tavrin als einen Text hinzufügt; nichts wurde hinzugefügt</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte; Tavrin adds texts only</source>
        <translation>die Standardeingabe enthält ein NUL-Byte; Tavrin fügt nur Texte hinzu</translation>
    </message>
    <message>
        <source>standard input is not valid UTF-8; the invalid bytes were replaced</source>
        <translation>die Standardeingabe ist kein gültiges UTF-8; die ungültigen Bytes wurden ersetzt</translation>
    </message>
    <message>
        <source>N is the entry&apos;s row as &quot;tavrin list&quot; prints it and the list window shows it, counted from 1; a row beyond the history is refused with the number of entries there are.</source>
        <translation>N ist die Zeile des Eintrags, wie „tavrin list“ sie ausgibt und das Listenfenster sie zeigt, gezählt ab 1; eine Zeile jenseits des Verlaufs wird mit der Zahl der vorhandenen Einträge abgelehnt.</translation>
    </message>
    <message>
        <source>Print the history, top row first</source>
        <translation>Den Verlauf ausgeben, oberste Zeile zuerst</translation>
    </message>
    <message>
        <source>Prints the history in the list window&apos;s order: the pinned entries, then the others newest first. Each line holds the row number (followed by * for a pinned entry), a tab, and the entry on one line: white space runs become one space, control characters show as symbols, and long entries end in &quot;…&quot;.</source>
        <translation>Gibt den Verlauf in der Reihenfolge des Listenfensters aus: die angehefteten Einträge, dann die übrigen, neueste zuerst. Jede Zeile enthält die Zeilennummer (gefolgt von * bei einem angehefteten Eintrag), einen Tabulator und den Eintrag in einer Zeile: Folgen von Leerraum werden zu einem Leerzeichen, Steuerzeichen erscheinen als Symbole, und lange Einträge enden mit „…“.</translation>
    </message>
    <message>
        <source>Print the entries that contain TEXT</source>
        <translation>Die Einträge ausgeben, die TEXT enthalten</translation>
    </message>
    <message>
        <source>Prints the entries that contain TEXT, ignoring case, with their row numbers, in the form of &quot;tavrin list&quot;. An empty TEXT matches nothing.</source>
        <translation>Gibt die Einträge, die TEXT enthalten, ohne Rücksicht auf Groß- und Kleinschreibung mit ihren Zeilennummern in der Form von „tavrin list“ aus. Ein leerer TEXT passt auf nichts.</translation>
    </message>
    <message>
        <source>Put entry N on the clipboard</source>
        <translation>Eintrag N in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Puts entry N on the clipboard, a file or folder as a file.</source>
        <translation>Legt Eintrag N in die Zwischenablage, eine Datei oder einen Ordner als Datei.</translation>
    </message>
    <message>
        <source>Paste entry N into the window that has the focus</source>
        <translation>Eintrag N in das Fenster mit dem Fokus einfügen</translation>
    </message>
    <message>
        <source>Puts entry N on the clipboard and pastes it into the window that had the focus when the command ran, as Ctrl+N does in the list window. A folder is pasted once it is confirmed.</source>
        <translation>Legt Eintrag N in die Zwischenablage und fügt ihn in das Fenster ein, das beim Aufruf des Befehls den Fokus hatte, wie Strg+N im Listenfenster. Ein Ordner wird erst nach Bestätigung eingefügt.</translation>
    </message>
    <message>
        <source>Copy TEXT, or standard input, as a new entry</source>
        <translation>TEXT oder die Standardeingabe als neuen Eintrag kopieren</translation>
    </message>
    <message>
        <source>Puts the text on the clipboard and at the top of the history, as if it had been copied. Without TEXT, or with -, the text is standard input, exactly as read (a final line break included). A text may hold up to %1 MiB of UTF-8; a larger one is refused, as is any text while recording is paused.</source>
        <translation>Legt den Text in die Zwischenablage und an den Anfang des Verlaufs, als wäre er kopiert worden. Ohne TEXT oder mit - ist der Text die Standardeingabe, genau wie gelesen (einschließlich eines abschließenden Zeilenumbruchs). Ein Text darf bis zu %1 MiB UTF-8 enthalten; ein größerer wird abgelehnt, ebenso jeder Text, solange die Aufzeichnung angehalten ist.</translation>
    </message>
    <message>
        <source>Remove entry N from the history</source>
        <translation>Eintrag N aus dem Verlauf entfernen</translation>
    </message>
    <message>
        <source>Removes entry N, pinned or not.</source>
        <translation>Entfernt Eintrag N, ob angeheftet oder nicht.</translation>
    </message>
    <message>
        <source>Pin entry N</source>
        <translation>Eintrag N anheften</translation>
    </message>
    <message>
        <source>Pins entry N: it moves to the bottom of the pinned entries at the top of the list. At most nine entries are pinned.</source>
        <translation>Heftet Eintrag N an: Er rückt ans Ende der angehefteten Einträge oben in der Liste. Höchstens neun Einträge sind angeheftet.</translation>
    </message>
    <message>
        <source>Unpin entry N</source>
        <translation>Eintrag N lösen</translation>
    </message>
    <message>
        <source>Unpins entry N: it moves to just below the pinned entries.</source>
        <translation>Löst Eintrag N: Er rückt direkt unter die angehefteten Einträge.</translation>
    </message>
    <message>
        <source>Remove every entry, pinned ones too</source>
        <translation>Alle Einträge entfernen, auch angeheftete</translation>
    </message>
    <message>
        <source>Removes every entry of the history, pinned ones included, as &quot;Clear Clipboard&quot; does. --yes confirms it.</source>
        <translation>Entfernt alle Einträge des Verlaufs, angeheftete eingeschlossen, wie „Zwischenablage leeren“. --yes bestätigt es.</translation>
    </message>
    <message>
        <source>Confirm that the whole history goes.</source>
        <translation>Bestätigen, dass der ganze Verlauf entfernt wird.</translation>
    </message>
    <message>
        <source>Show the list window</source>
        <translation>Das Listenfenster anzeigen</translation>
    </message>
    <message>
        <source>Shows the list window, as the tray icon and the shortcut do.</source>
        <translation>Zeigt das Listenfenster, wie das Symbol im Systemabschnitt und das Tastenkürzel.</translation>
    </message>
    <message>
        <source>Show the main window instead.</source>
        <translation>Stattdessen das Hauptfenster anzeigen.</translation>
    </message>
    <message>
        <source>Switch sequential paste mode on or off</source>
        <translation>Den Modus für fortlaufendes Einfügen ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Shows or hides the sequential paste queue, which switches sequential mode on or off, and prints the new state.</source>
        <translation>Zeigt oder verbirgt die Warteschlange für fortlaufendes Einfügen, was den Modus ein- oder ausschaltet, und gibt den neuen Zustand aus.</translation>
    </message>
    <message>
        <source>Paste the next entry of the sequential paste queue</source>
        <translation>Den nächsten Eintrag der Warteschlange für fortlaufendes Einfügen einfügen</translation>
    </message>
    <message>
        <source>Takes the next entry off the sequential paste queue, oldest or newest first as the Preferences say, and pastes it into the window that has the focus, as the sequential paste shortcut does. Fails when the queue is empty. Bind it to a key in the desktop&apos;s own key settings where Tavrin cannot take shortcuts itself.</source>
        <translation>Nimmt den nächsten Eintrag aus der Warteschlange für fortlaufendes Einfügen, älteste oder neueste zuerst, wie in den Einstellungen festgelegt, und fügt ihn in das Fenster mit dem Fokus ein, wie das Tastenkürzel für fortlaufendes Einfügen. Schlägt fehl, wenn die Warteschlange leer ist. Legen Sie den Befehl in den Tastatureinstellungen der Arbeitsumgebung auf eine Taste, wo Tavrin selbst keine Tastenkürzel belegen kann.</translation>
    </message>
    <message>
        <source>Stop recording copies</source>
        <translation>Aufzeichnen von Kopien anhalten</translation>
    </message>
    <message>
        <source>Stops recording: until &quot;tavrin resume&quot;, or until Tavrin starts again, nothing copied goes into the history, and what was copied meanwhile is not recorded later.</source>
        <translation>Hält die Aufzeichnung an: Bis „tavrin resume“ oder bis Tavrin neu startet, kommt nichts Kopiertes in den Verlauf, und was in der Zwischenzeit kopiert wurde, wird auch später nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>Record copies again</source>
        <translation>Kopien wieder aufzeichnen</translation>
    </message>
    <message>
        <source>Records copies again from the next one on.</source>
        <translation>Zeichnet ab der nächsten Kopie wieder auf.</translation>
    </message>
    <message>
        <source>End the running Tavrin</source>
        <translation>Das laufende Tavrin beenden</translation>
    </message>
    <message>
        <source>Ends the running Tavrin, which first writes a history save still waiting, and returns once it has ended.</source>
        <translation>Beendet das laufende Tavrin, das zuvor eine noch ausstehende Speicherung des Verlaufs schreibt, und kehrt zurück, sobald es beendet ist.</translation>
    </message>
</context>
<context>
    <name>ControlBus</name>
    <message>
        <source>there is no entry %1: the history is empty</source>
        <translation>es gibt keinen Eintrag %1: der Verlauf ist leer</translation>
    </message>
    <message>
        <source>there is no entry %1: the history has 1 entry, numbered from 1</source>
        <translation>es gibt keinen Eintrag %1: der Verlauf hat 1 Eintrag, nummeriert ab 1</translation>
    </message>
    <message numerus="yes">
        <source>there is no entry %1: the history has %n entries, numbered from 1</source>
        <translation>
            <numerusform>es gibt keinen Eintrag %1: der Verlauf hat %n Eintrag, nummeriert ab 1</numerusform>
            <numerusform>es gibt keinen Eintrag %1: der Verlauf hat %n Einträge, nummeriert ab 1</numerusform>
        </translation>
    </message>
    <message>
        <source>the text is %1 bytes long in UTF-8; Tavrin adds texts of at most %2 bytes (%3 MiB)</source>
        <translation>der Text ist in UTF-8 %1 Bytes lang; Tavrin fügt Texte von höchstens %2 Bytes (%3 MiB) hinzu</translation>
    </message>
</context>
<context>
    <name>ControlClient</name>
    <message>
        <source>there is no D-Bus session bus (%1), so no running Tavrin can be reached</source>
        <translation>es gibt keinen D-Bus-Sitzungsbus (%1), daher ist kein laufendes Tavrin erreichbar</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>Tavrin is not running on display %1; start it with: tavrin</source>
        <translation>Tavrin läuft nicht auf Anzeige %1; starten Sie es mit: tavrin</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>the Tavrin running on display %1 does not take this command (%2)</source>
        <translation>das auf Anzeige %1 laufende Tavrin nimmt diesen Befehl nicht an (%2)</translation>
    </message>
    <message>
        <source>Tavrin on display %1 did not answer (%2)</source>
        <translation>Tavrin auf Anzeige %1 hat nicht geantwortet (%2)</translation>
    </message>
    <message>
        <source>the call to Tavrin failed: %1 (%2)</source>
        <translation>der Aufruf an Tavrin ist fehlgeschlagen: %1 (%2)</translation>
    </message>
    <message>
        <source>the session bus does not pass file descriptors, which listing needs</source>
        <translation>der Sitzungsbus reicht keine Dateideskriptoren weiter, die das Auflisten braucht</translation>
    </message>
    <message>
        <source>Tavrin answered without the list</source>
        <translation>Tavrin hat ohne die Liste geantwortet</translation>
    </message>
    <message>
        <source>reading the list failed: %1</source>
        <translation>das Lesen der Liste ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Tavrin on display %1 did not end within %2 s</source>
        <translation>Tavrin auf Anzeige %1 hat sich nicht innerhalb von %2 s beendet</translation>
    </message>
</context>
<context>
    <name>DataFolderLock</name>
    <message>
        <source>Tavrin is already running</source>
        <translation>Tavrin läuft bereits</translation>
    </message>
    <message>
        <source>Another Tavrin (%1) uses the clipboard history in %2. Two at once would overwrite each other&apos;s copies; quit the other one first.</source>
        <translation>Ein anderes Tavrin (%1) verwendet den Verlauf der Zwischenablage in %2. Zwei gleichzeitig würden gegenseitig ihre Kopien überschreiben; beenden Sie zuerst das andere.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>another process</source>
        <translation>einem anderen Prozess</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>Prozess %1 auf %2</translation>
    </message>
</context>
<context>
    <name>DesktopReasons</name>
    <message>
        <source>an autostart entry starts tavrin-launcher when you log in</source>
        <translation>ein Autostart-Eintrag startet tavrin-launcher bei der Anmeldung</translation>
    </message>
    <message>
        <source>the Tavrin extension of GNOME Shell reports every copy</source>
        <translation>die Tavrin-Erweiterung der GNOME Shell meldet jede Kopie</translation>
    </message>
    <message>
        <source>keys are typed through the Tavrin extension of GNOME Shell</source>
        <translation>Tasten werden über die Tavrin-Erweiterung der GNOME Shell getippt</translation>
    </message>
    <message>
        <source>the Tavrin extension of GNOME Shell takes them; GNOME&apos;s own shortcuts stay GNOME&apos;s</source>
        <translation>die Tavrin-Erweiterung der GNOME Shell übernimmt sie; die eigenen Tastenkürzel von GNOME bleiben bei GNOME</translation>
    </message>
    <message>
        <source>the panel shows status icons (StatusNotifierItem)</source>
        <translation>die Leiste zeigt Statussymbole (StatusNotifierItem)</translation>
    </message>
    <message>
        <source>This key cannot be a shortcut on GNOME.</source>
        <translation>Diese Taste kann unter GNOME kein Tastenkürzel sein.</translation>
    </message>
    <message>
        <source>This desktop lets no program take global shortcuts.</source>
        <translation>Diese Arbeitsumgebung erlaubt keinem Programm globale Tastenkürzel.</translation>
    </message>
    <message>
        <source>keys are typed through the compositor&apos;s virtual keyboard</source>
        <translation>Tasten werden über die virtuelle Tastatur des Compositors getippt</translation>
    </message>
    <message>
        <source>this desktop does not let programs take shortcuts: bind Tavrin&apos;s commands in the desktop&apos;s own key settings</source>
        <translation>diese Arbeitsumgebung erlaubt Programmen keine eigenen Tastenkürzel: Legen Sie die Befehle von Tavrin in den Tastatureinstellungen der Arbeitsumgebung auf Tasten</translation>
    </message>
    <message>
        <source>no panel on this desktop shows status icons</source>
        <translation>keine Leiste dieser Arbeitsumgebung zeigt Statussymbole</translation>
    </message>
    <message>
        <source>Global shortcuts need an X display, and none can be reached.</source>
        <translation>Globale Tastenkürzel brauchen eine X-Anzeige, und keine ist erreichbar.</translation>
    </message>
    <message>
        <source>The keyboard layout of the X display cannot be read.</source>
        <translation>Die Tastaturbelegung der X-Anzeige kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>a system tray shows the icon</source>
        <translation>ein Systemabschnitt zeigt das Symbol</translation>
    </message>
    <message>
        <source>no system tray was running at start; the list opens with its shortcut or a second start</source>
        <translation>beim Start lief kein Systemabschnitt; die Liste öffnet sich mit ihrem Tastenkürzel oder einem zweiten Start</translation>
    </message>
    <message>
        <source>no X server could be reached</source>
        <translation>kein X-Server war erreichbar</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>Tastenbelegungen auf dem X-Server</translation>
    </message>
    <message>
        <source>the keyboard layout of the X server cannot be read</source>
        <translation>die Tastaturbelegung des X-Servers kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>XFixes tells every change of the clipboard&apos;s owner</source>
        <translation>XFixes meldet jeden Wechsel des Besitzers der Zwischenablage</translation>
    </message>
    <message>
        <source>the display offers no XFixes extension</source>
        <translation>die Anzeige bietet keine XFixes-Erweiterung</translation>
    </message>
    <message>
        <source>the paste keys are typed through XTEST</source>
        <translation>die Einfügetasten werden über XTEST getippt</translation>
    </message>
    <message>
        <source>the display offers no XTEST extension</source>
        <translation>die Anzeige bietet keine XTEST-Erweiterung</translation>
    </message>
    <message>
        <source>this desktop cannot start programs at login</source>
        <translation>diese Arbeitsumgebung kann keine Programme bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>keys are typed through the desktop&apos;s RemoteDesktop portal</source>
        <translation>Tasten werden über das RemoteDesktop-Portal der Arbeitsumgebung getippt</translation>
    </message>
    <message>
        <source>this desktop does not let programs type keys; the entry is put on the clipboard and Ctrl+V pastes it</source>
        <translation>diese Arbeitsumgebung lässt Programme keine Tasten tippen; der Eintrag wird in die Zwischenablage gelegt und Strg+V fügt ihn ein</translation>
    </message>
    <message>
        <source>KDE&apos;s shortcut service takes them; System Settings lists them under Tavrin</source>
        <translation>der Kurzbefehl-Dienst von KDE übernimmt sie; die Systemeinstellungen führen sie unter Tavrin</translation>
    </message>
    <message>
        <source>it is not running (not a KDE Plasma session)</source>
        <translation>er läuft nicht (keine KDE-Plasma-Sitzung)</translation>
    </message>
    <message>
        <source>the desktop&apos;s GlobalShortcuts portal takes them, after asking in its own dialog</source>
        <translation>das GlobalShortcuts-Portal der Arbeitsumgebung übernimmt sie, nachdem es in einem eigenen Dialog gefragt hat</translation>
    </message>
</context>
<context>
    <name>GuideHelpPage</name>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The help page is missing from this build of Tavrin.</source>
        <translation>Die Hilfeseite fehlt in dieser Version von Tavrin.</translation>
    </message>
    <message>
        <source>The help page could not be written to %1.</source>
        <translation>Die Hilfeseite konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Newsletter</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Successfully Subscribed</source>
        <translation>Erfolgreich abonniert</translation>
    </message>
    <message>
        <source>You have Successfully Subscribed for our Newslatter.</source>
        <translation>Sie haben unseren Newsletter erfolgreich abonniert.</translation>
    </message>
    <message>
        <source>Already Subscribed</source>
        <translation>Bereits abonniert</translation>
    </message>
    <message>
        <source>The email address &quot;%1&quot; already has an Active Subscription.</source>
        <translation>Die E-Mail-Adresse „%1“ hat bereits ein aktives Abonnement.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>There was an error in processing your request. Please try again later.</source>
        <translation>Bei der Bearbeitung Ihrer Anfrage ist ein Fehler aufgetreten. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Email cannot be blank</source>
        <translation>Die E-Mail-Adresse darf nicht leer sein</translation>
    </message>
    <message>
        <source>Please enter a valid Email address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Invalid Email</source>
        <translation>Ungültige E-Mail-Adresse</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>Quick access shortcut</source>
        <translation>Tastenkürzel für den Schnellzugriff</translation>
    </message>
    <message>
        <source>Sequential paste on or off shortcut</source>
        <translation>Tastenkürzel für fortlaufendes Einfügen ein/aus</translation>
    </message>
    <message>
        <source>Paste next shortcut</source>
        <translation>Tastenkürzel für „Nächsten einfügen“</translation>
    </message>
    <message>
        <source>Clear quick access shortcut</source>
        <translation>Tastenkürzel für den Schnellzugriff löschen</translation>
    </message>
    <message>
        <source>Clear sequential paste on or off shortcut</source>
        <translation>Tastenkürzel für fortlaufendes Einfügen ein/aus löschen</translation>
    </message>
    <message>
        <source>Clear paste next shortcut</source>
        <translation>Tastenkürzel für „Nächsten einfügen“ löschen</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Click here to enter shortcut</source>
        <translation>Hier klicken, um ein Tastenkürzel einzugeben</translation>
    </message>
    <message>
        <source>Please use a different key combination.</source>
        <translation>Bitte verwenden Sie eine andere Tastenkombination.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>No Entries</source>
        <translation>Keine Einträge</translation>
    </message>
    <message>
        <source>Show Clipboard</source>
        <translation>Zwischenablage anzeigen</translation>
    </message>
</context>
<context>
    <name>tavrin::AboutPane</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Tavrin icon</source>
        <translation>Tavrin-Symbol</translation>
    </message>
    <message>
        <source>Version unknown</source>
        <translation>Version unbekannt</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Tavrin keeps every text and file you copy, so that you can copy or paste it again whenever you need it.</source>
        <translation>Tavrin behält jeden Text und jede Datei, die Sie kopieren, damit Sie sie jederzeit erneut kopieren oder einfügen können.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Rate Tavrin</source>
        <translation>Tavrin bewerten</translation>
    </message>
</context>
<context>
    <name>tavrin::AppActions</name>
    <message>
        <source>Manage Clipboard</source>
        <translation>Zwischenablage verwalten</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <translation>Zwischenablage leeren</translation>
    </message>
    <message>
        <source>Show Sequential Paste Queue</source>
        <translation>Warteschlange für fortlaufendes Einfügen anzeigen</translation>
    </message>
    <message>
        <source>Clear Sequential Paste Queue</source>
        <translation>Warteschlange für fortlaufendes Einfügen leeren</translation>
    </message>
    <message>
        <source>Pause Recording</source>
        <translation>Aufzeichnung anhalten</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Hide Sequential Paste Queue</source>
        <translation>Warteschlange für fortlaufendes Einfügen ausblenden</translation>
    </message>
    <message>
        <source>Resume Recording</source>
        <translation>Aufzeichnung fortsetzen</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>Alle Einträge entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the entire Clipboard?.</source>
        <translation>Möchten Sie wirklich die gesamte Zwischenablage leeren?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Show Tooltip</source>
        <translation>Minihilfe anzeigen</translation>
    </message>
</context>
<context>
    <name>tavrin::AppShell</name>
    <message>
        <source>Copied: press Ctrl+V</source>
        <translation>Kopiert: Strg+V drücken</translation>
    </message>
</context>
<context>
    <name>tavrin::AppShortcuts</name>
    <message>
        <source>The key stored for this shortcut, &quot;%1&quot;, cannot be used here.</source>
        <translation>Die für dieses Tastenkürzel gespeicherte Taste „%1“ kann hier nicht verwendet werden.</translation>
    </message>
</context>
<context>
    <name>tavrin::ClipboardPane</name>
    <message>
        <source>Clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>Verlauf der Zwischenablage</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>Diesen Eintrag entfernen</translation>
    </message>
    <message>
        <source>Clear entire Clipboard items</source>
        <translation>Alle Einträge der Zwischenablage löschen</translation>
    </message>
    <message>
        <source>Unpin this Item</source>
        <translation>Diesen Eintrag lösen</translation>
    </message>
    <message>
        <source>Pin this Item</source>
        <translation>Diesen Eintrag anheften</translation>
    </message>
    <message>
        <source>Add to Custom Clipboard</source>
        <translation>Zu eigener Zwischenablage hinzufügen</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>Ausgewählten Eintrag entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>Möchten Sie den ausgewählten Eintrag wirklich entfernen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>Alle Einträge entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the entire Clipboard?.</source>
        <translation>Möchten Sie wirklich die gesamte Zwischenablage leeren?</translation>
    </message>
</context>
<context>
    <name>tavrin::ControlService</name>
    <message>
        <source>the listing option &quot;%1&quot; is unknown or has a wrong value</source>
        <translation>die Listenoption „%1“ ist unbekannt oder hat einen falschen Wert</translation>
    </message>
    <message>
        <source>cannot open a channel for the list: %1</source>
        <translation>es kann kein Kanal für die Liste geöffnet werden: %1</translation>
    </message>
    <message>
        <source>recording is paused, so nothing is added; resume it first</source>
        <translation>die Aufzeichnung ist angehalten, daher wird nichts hinzugefügt; setzen Sie sie zuerst fort</translation>
    </message>
    <message>
        <source>an empty text is not added</source>
        <translation>ein leerer Text wird nicht hinzugefügt</translation>
    </message>
    <message>
        <source>entry %1 is pinned already</source>
        <translation>Eintrag %1 ist bereits angeheftet</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are pinned already, the most there can be; unpin one first</source>
        <translation>
            <numerusform>%n Eintrag ist bereits angeheftet, mehr geht nicht; lösen Sie zuerst einen</numerusform>
            <numerusform>%n Einträge sind bereits angeheftet, mehr geht nicht; lösen Sie zuerst einen</numerusform>
        </translation>
    </message>
    <message>
        <source>entry %1 is not pinned</source>
        <translation>Eintrag %1 ist nicht angeheftet</translation>
    </message>
    <message>
        <source>the sequential paste queue is empty: nothing to paste</source>
        <translation>die Warteschlange für fortlaufendes Einfügen ist leer: nichts einzufügen</translation>
    </message>
</context>
<context>
    <name>tavrin::CopiedToast</name>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
</context>
<context>
    <name>tavrin::CopyDroppedNotice</name>
    <message>
        <source>The application that copied</source>
        <translation>Die kopierende Anwendung</translation>
    </message>
    <message>
        <source>Tavrin did not record a copy</source>
        <translation>Tavrin hat eine Kopie nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>%1 took longer than %2 s to hand over what was copied, so it is not in the history. The setting %3 sets how long Tavrin waits.</source>
        <translation>%1 hat länger als %2 s gebraucht, um das Kopierte zu übergeben, daher fehlt es im Verlauf. Die Einstellung %3 legt fest, wie lange Tavrin wartet.</translation>
    </message>
</context>
<context>
    <name>tavrin::DesktopSupportView</name>
    <message>
        <source>Show the list</source>
        <translation>Liste anzeigen</translation>
    </message>
    <message>
        <source>Switch sequential paste on or off</source>
        <translation>Fortlaufendes Einfügen ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Paste the next entry of the sequential queue</source>
        <translation>Nächsten Eintrag der Warteschlange einfügen</translation>
    </message>
    <message>
        <source>This desktop</source>
        <translation>Diese Arbeitsumgebung</translation>
    </message>
    <message>
        <source>Session: %1</source>
        <translation>Sitzung: %1</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Erfassen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Globale Tastenkürzel</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Symbol im Systemabschnitt</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>To make it work, run:</source>
        <translation>Damit es funktioniert, führen Sie aus:</translation>
    </message>
    <message>
        <source>The command that makes it work</source>
        <translation>Der Befehl, der es zum Laufen bringt</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy &quot;%1&quot;</source>
        <translation>„%1“ kopieren</translation>
    </message>
    <message>
        <source>Works</source>
        <translation>Funktioniert</translation>
    </message>
    <message>
        <source>Does not work</source>
        <translation>Funktioniert nicht</translation>
    </message>
    <message>
        <source>Not every shortcut works</source>
        <translation>Nicht jedes Tastenkürzel funktioniert</translation>
    </message>
    <message>
        <source>Global shortcuts: %1</source>
        <translation>Globale Tastenkürzel: %1</translation>
    </message>
    <message>
        <source>This desktop does not let programs take shortcuts. Bind these commands to keys in the desktop&apos;s own key settings:</source>
        <translation>Diese Arbeitsumgebung erlaubt Programmen keine eigenen Tastenkürzel. Legen Sie diese Befehle in den Tastatureinstellungen der Arbeitsumgebung auf Tasten:</translation>
    </message>
</context>
<context>
    <name>tavrin::DimmingLayer</name>
    <message>
        <source>Dimming</source>
        <translation>Abdunklung</translation>
    </message>
</context>
<context>
    <name>tavrin::FileOrFolderDialog</name>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupListModel</name>
    <message>
        <source>Clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Custom Clipboards</source>
        <translation>Eigene Zwischenablagen</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupListView</name>
    <message>
        <source>Remove this Clipboard</source>
        <translation>Diese Zwischenablage entfernen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupPane</name>
    <message>
        <source>Add a file or folder to paste at a later time</source>
        <translation>Eine Datei oder einen Ordner hinzufügen, um sie später einzufügen</translation>
    </message>
    <message>
        <source>Please select a file/folder to add to Clipboard for Quick copy and pasting</source>
        <translation>Bitte wählen Sie eine Datei oder einen Ordner, der zum schnellen Kopieren und Einfügen zur Zwischenablage hinzugefügt wird</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Clipboard items</source>
        <translation>Einträge der Zwischenablage</translation>
    </message>
    <message>
        <source>Add a file or folder</source>
        <translation>Datei oder Ordner hinzufügen</translation>
    </message>
    <message>
        <source>No files found</source>
        <translation>Keine Dateien gefunden</translation>
    </message>
    <message>
        <source>Add a file or folder with the + button, or drop files onto this Clipboard&apos;s name in the sidebar.</source>
        <translation>Fügen Sie mit dem Knopf + eine Datei oder einen Ordner hinzu, oder ziehen Sie Dateien auf den Namen dieser Zwischenablage in der Seitenleiste.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>Diesen Eintrag entfernen</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>Ausgewählten Eintrag entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>Möchten Sie den ausgewählten Eintrag wirklich entfernen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>Alle Einträge entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all the items from this Clipboard?</source>
        <translation>Möchten Sie wirklich alle Einträge aus dieser Zwischenablage entfernen?</translation>
    </message>
</context>
<context>
    <name>tavrin::HistoryRowDelegate</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
</context>
<context>
    <name>tavrin::ListPane</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>tavrin::MainWindowContent</name>
    <message>
        <source>Pane</source>
        <translation>Bereich</translation>
    </message>
</context>
<context>
    <name>tavrin::NewsletterForm</name>
    <message>
        <source>Subscribe</source>
        <translation>Abonnieren</translation>
    </message>
    <message>
        <source>Hear about new versions: leave your e-mail address for our newsletter.</source>
        <translation>Über neue Versionen informiert werden: Hinterlassen Sie Ihre E-Mail-Adresse für unseren Newsletter.</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
</context>
<context>
    <name>tavrin::PasteAccessGuide</name>
    <message>
        <source>Tavrin cannot paste here</source>
        <translation>Tavrin kann hier nicht einfügen</translation>
    </message>
    <message>
        <source>Tavrin pastes by typing Ctrl+V for you. That needs an X11 session with the XTEST extension, and this session has none. Your entry is on the clipboard: press Ctrl+V to paste it yourself.</source>
        <translation>Tavrin fügt ein, indem es für Sie Strg+V tippt. Dazu ist eine X11-Sitzung mit der Erweiterung XTEST nötig, und diese Sitzung hat keine. Ihr Eintrag liegt in der Zwischenablage: Drücken Sie Strg+V, um ihn selbst einzufügen.</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Schritt 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Schritt 2</translation>
    </message>
    <message>
        <source>How to Make Pasting Work</source>
        <translation>So funktioniert das Einfügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No program could open the help page. You find it at %1</source>
        <translation>Kein Programm konnte die Hilfeseite öffnen. Sie finden sie unter %1</translation>
    </message>
</context>
<context>
    <name>tavrin::PreferencesPane</name>
    <message>
        <source>Start pasting from first copied item to last</source>
        <translation>Vom zuerst kopierten bis zum zuletzt kopierten Eintrag einfügen</translation>
    </message>
    <message>
        <source>Start pasting from Last copied item to first</source>
        <translation>Vom zuletzt kopierten bis zum zuerst kopierten Eintrag einfügen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Play interaction sounds</source>
        <translation>Klänge bei Aktionen abspielen</translation>
    </message>
    <message>
        <source>Start Tavrin at login</source>
        <translation>Tavrin bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>This desktop gives programs no way to start with the session.</source>
        <translation>Diese Arbeitsumgebung bietet Programmen keine Möglichkeit, mit der Sitzung zu starten.</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Click a box, then press the keys: at least one of Ctrl, Alt, Shift or Super with another key. The shortcuts work in every application.</source>
        <translation>Klicken Sie auf ein Feld und drücken Sie dann die Tasten: mindestens eine von Strg, Alt, Umschalt oder Super zusammen mit einer weiteren Taste. Die Tastenkürzel funktionieren in jeder Anwendung.</translation>
    </message>
    <message>
        <source>This desktop does not let programs take shortcuts: bind the commands under &quot;This desktop&quot; below in the desktop&apos;s own keyboard settings.</source>
        <translation>Diese Arbeitsumgebung erlaubt Programmen keine eigenen Tastenkürzel: Legen Sie die Befehle unter „Diese Arbeitsumgebung“ weiter unten in den Tastatureinstellungen der Arbeitsumgebung auf Tasten.</translation>
    </message>
    <message>
        <source>Show the clipboard list</source>
        <translation>Liste der Zwischenablage anzeigen</translation>
    </message>
    <message>
        <source>Sequential Queue</source>
        <translation>Warteschlange</translation>
    </message>
    <message>
        <source>Record both shortcuts below. Press the first to start sequential paste: every text or file you copy then joins the queue, shown in a small window. Each press of the second pastes the next queued entry into the application in front, in the order chosen here. Press the first again, or close the queue window, to stop.</source>
        <translation>Legen Sie unten beide Tastenkürzel fest. Drücken Sie das erste, um das fortlaufende Einfügen zu starten: Jeder Text und jede Datei, die Sie dann kopieren, kommt in die Warteschlange, die ein kleines Fenster zeigt. Jedes Drücken des zweiten fügt den nächsten Eintrag der Warteschlange in die vorderste Anwendung ein, in der hier gewählten Reihenfolge. Drücken Sie erneut das erste oder schließen Sie das Fenster der Warteschlange, um aufzuhören.</translation>
    </message>
    <message>
        <source>Sequential paste on or off</source>
        <translation>Fortlaufendes Einfügen ein/aus</translation>
    </message>
    <message>
        <source>Paste the next queued entry</source>
        <translation>Nächsten Eintrag der Warteschlange einfügen</translation>
    </message>
    <message>
        <source>Paste order</source>
        <translation>Reihenfolge beim Einfügen</translation>
    </message>
    <message>
        <source>Clear this shortcut</source>
        <translation>Dieses Tastenkürzel löschen</translation>
    </message>
    <message>
        <source>Does not work: %1</source>
        <translation>Funktioniert nicht: %1</translation>
    </message>
    <message>
        <source>Tavrin could not be set to start at login.</source>
        <translation>Tavrin konnte nicht für den Start bei der Anmeldung eingerichtet werden.</translation>
    </message>
    <message>
        <source>Tavrin could not be kept from starting at login.</source>
        <translation>Der Start von Tavrin bei der Anmeldung konnte nicht abgeschaltet werden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Waiting for the desktop to allow it</source>
        <translation>Wartet auf die Erlaubnis der Arbeitsumgebung</translation>
    </message>
</context>
<context>
    <name>tavrin::QueueListModel</name>
    <message>
        <source>Pasted next</source>
        <translation>Wird als Nächstes eingefügt</translation>
    </message>
    <message>
        <source>pasted next</source>
        <translation>wird als Nächstes eingefügt</translation>
    </message>
</context>
<context>
    <name>tavrin::QuickListView</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>Diesen Eintrag entfernen</translation>
    </message>
    <message>
        <source>Unpin this Item</source>
        <translation>Diesen Eintrag lösen</translation>
    </message>
    <message>
        <source>Pin this Item</source>
        <translation>Diesen Eintrag anheften</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>Ausgewählten Eintrag entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>Möchten Sie den ausgewählten Eintrag wirklich entfernen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Show the Clipboard or a Custom Clipboard</source>
        <translation>Die Zwischenablage oder eine eigene Zwischenablage anzeigen</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>Verlauf der Zwischenablage</translation>
    </message>
    <message>
        <source>Shown list: %1</source>
        <translation>Angezeigte Liste: %1</translation>
    </message>
</context>
<context>
    <name>tavrin::SaveNotices</name>
    <message>
        <source>Tavrin kept a damaged file aside</source>
        <translation>Tavrin hat eine beschädigte Datei beiseitegelegt</translation>
    </message>
    <message>
        <source>%1 could not be read whole (%2). It is kept as %3, and Tavrin saves in its place.</source>
        <translation>%1 konnte nicht vollständig gelesen werden (%2). Sie wird als %3 aufbewahrt, und Tavrin speichert an ihrer Stelle.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The history is saved to %3 from now on.</source>
        <translation>%1 kann nicht verwendet werden: %2. Der Verlauf wird ab jetzt in %3 gespeichert.</translation>
    </message>
    <message>
        <source>Its entries were read from %1, which is left as it is.</source>
        <translation>Seine Einträge wurden aus %1 gelesen, die unverändert bleibt.</translation>
    </message>
    <message>
        <source>Tavrin saves the clipboard history in another file</source>
        <translation>Tavrin speichert den Verlauf der Zwischenablage in einer anderen Datei</translation>
    </message>
    <message>
        <source>Tavrin cannot save the clipboard history</source>
        <translation>Tavrin kann den Verlauf der Zwischenablage nicht speichern</translation>
    </message>
    <message>
        <source>%1: %2. What you copy stays in memory, and Tavrin keeps trying.</source>
        <translation>%1: %2. Was Sie kopieren, bleibt im Speicher, und Tavrin versucht es weiter.</translation>
    </message>
    <message>
        <source>Tavrin saves the clipboard history again</source>
        <translation>Tavrin speichert den Verlauf der Zwischenablage wieder</translation>
    </message>
    <message>
        <source>Tavrin cannot save its settings</source>
        <translation>Tavrin kann seine Einstellungen nicht speichern</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Tavrin saves its settings again</source>
        <translation>Tavrin speichert seine Einstellungen wieder</translation>
    </message>
    <message>
        <source>Tavrin cannot save a group</source>
        <translation>Tavrin kann eine Gruppe nicht speichern</translation>
    </message>
    <message>
        <source>Tavrin saves the group again</source>
        <translation>Tavrin speichert die Gruppe wieder</translation>
    </message>
</context>
<context>
    <name>tavrin::SequentialQueueView</name>
    <message>
        <source>In order to use the Sequential paste option, follow the instructions under Sequential Queue in Preferences.</source>
        <translation>Um das fortlaufende Einfügen zu verwenden, folgen Sie den Anweisungen unter „Warteschlange“ in den Einstellungen.</translation>
    </message>
    <message>
        <source>Sequential Paste Queue</source>
        <translation>Warteschlange für fortlaufendes Einfügen</translation>
    </message>
    <message>
        <source>Close the queue and end sequential paste</source>
        <translation>Warteschlange schließen und fortlaufendes Einfügen beenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Queued entries</source>
        <translation>Einträge in der Warteschlange</translation>
    </message>
    <message>
        <source>Queue entry</source>
        <translation>Eintrag der Warteschlange</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tavrin::SequentialQueueWindow</name>
    <message>
        <source>Sequential Paste Queue</source>
        <translation>Warteschlange für fortlaufendes Einfügen</translation>
    </message>
</context>
<context>
    <name>tavrin::ShortcutRecorderBox</name>
    <message>
        <source>Recording: press the new shortcut. %1</source>
        <translation>Aufnahme: Drücken Sie das neue Tastenkürzel. %1</translation>
    </message>
</context>
<context>
    <name>tavrin::ShownListModel</name>
    <message>
        <source>pinned</source>
        <translation>angeheftet</translation>
    </message>
</context>
<context>
    <name>tavrin::Sidebar</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>A Clipboard name cannot contain a slash (/).</source>
        <translation>Der Name einer Zwischenablage darf keinen Schrägstrich (/) enthalten.</translation>
    </message>
    <message>
        <source>A Clipboard name cannot contain a null character.</source>
        <translation>Der Name einer Zwischenablage darf kein Nullzeichen enthalten.</translation>
    </message>
    <message>
        <source>A Clipboard cannot be named &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Eine Zwischenablage darf nicht „.“ oder „..“ heißen.</translation>
    </message>
    <message>
        <source>The name &quot;myfile&quot; belongs to the Clipboard history&apos;s own file.</source>
        <translation>Der Name „myfile“ gehört zur eigenen Datei des Verlaufs der Zwischenablage.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>Clipboard and Custom Clipboards</source>
        <translation>Zwischenablage und eigene Zwischenablagen</translation>
    </message>
    <message>
        <source>Preferences and About</source>
        <translation>Einstellungen und Über</translation>
    </message>
    <message>
        <source>Add Clipboard</source>
        <translation>Zwischenablage hinzufügen</translation>
    </message>
    <message>
        <source>Add a Clipboard</source>
        <translation>Eine Zwischenablage hinzufügen</translation>
    </message>
    <message>
        <source>Clipboard with the same name already exists.</source>
        <translation>Eine Zwischenablage mit diesem Namen gibt es bereits.</translation>
    </message>
    <message>
        <source>The Clipboard&apos;s items could not be saved under this name (it may be too long for a file name), so it keeps its name.</source>
        <translation>Die Einträge der Zwischenablage konnten unter diesem Namen nicht gespeichert werden (er ist vielleicht zu lang für einen Dateinamen), daher behält sie ihren Namen.</translation>
    </message>
    <message>
        <source>Enter a valid name</source>
        <translation>Geben Sie einen gültigen Namen ein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Remove selected Clipboard?</source>
        <translation>Ausgewählte Zwischenablage entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected Clipboard? All the Items of this Clipboard will also be removed.</source>
        <translation>Möchten Sie die ausgewählte Zwischenablage wirklich entfernen? Alle Einträge dieser Zwischenablage werden ebenfalls entfernt.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>tavrin::SidebarRowDelegate</name>
    <message>
        <source>Clipboard name</source>
        <translation>Name der Zwischenablage</translation>
    </message>
</context>
<context>
    <name>tavrin::TrayIcon</name>
    <message>
        <source>Tavrin (recording paused)</source>
        <translation>Tavrin (Aufzeichnung angehalten)</translation>
    </message>
</context>
<context>
    <name>tavrin::TrayMenuWindow</name>
    <message>
        <source>Tavrin Menu</source>
        <translation>Tavrin-Menü</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
</context>
<context>
    <name>tavrin::WelcomePane</name>
    <message>
        <source>Start Tavrin at login</source>
        <translation>Tavrin bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Los geht’s</translation>
    </message>
    <message>
        <source>Welcome to Tavrin</source>
        <translation>Willkommen bei Tavrin</translation>
    </message>
    <message>
        <source>Tavrin keeps everything you copy, texts as well as files and folders, so that you can copy or paste it again later.</source>
        <translation>Tavrin behält alles, was Sie kopieren, Texte ebenso wie Dateien und Ordner, damit Sie es später erneut kopieren oder einfügen können.</translation>
    </message>
    <message>
        <source>Open the list of what you copied by clicking the Tavrin icon in the tray, or with a shortcut of your own.</source>
        <translation>Öffnen Sie die Liste des Kopierten mit einem Klick auf das Tavrin-Symbol im Systemabschnitt oder mit einem eigenen Tastenkürzel.</translation>
    </message>
    <message>
        <source>Record the shortcuts for the list and for pasting one item after another in Preferences.</source>
        <translation>Legen Sie in den Einstellungen die Tastenkürzel für die Liste und für das Einfügen eines Eintrags nach dem anderen fest.</translation>
    </message>
    <message>
        <source>This desktop cannot start programs when you log in.</source>
        <translation>Diese Arbeitsumgebung kann keine Programme bei der Anmeldung starten.</translation>
    </message>
    <message>
        <source>Tavrin will not start at login</source>
        <translation>Tavrin wird nicht bei der Anmeldung gestartet</translation>
    </message>
    <message>
        <source>%1. You can try again in Preferences.</source>
        <translation>%1. Sie können es in den Einstellungen erneut versuchen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
