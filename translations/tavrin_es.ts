<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Alerts</name>
    <message>
        <source>Paste this Folder?</source>
        <translation>¿Pegar esta carpeta?</translation>
    </message>
    <message>
        <source>Are you sure you want to Paste this Folder with all its contents in the current destination?</source>
        <translation>¿Seguro que quiere pegar esta carpeta con todo su contenido en el destino actual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>tavrin: %1
See &quot;%2&quot;.
</source>
        <translation>tavrin: %1
Consulte «%2».
</translation>
    </message>
    <message>
        <source>%1: row numbers start at 1, so there is no row %2</source>
        <translation>%1: los números de fila empiezan en 1, así que no hay fila %2</translation>
    </message>
    <message>
        <source>%1: N is an entry&apos;s row, a whole number from 1 on, not &quot;%2&quot;</source>
        <translation>%1: N es la fila de una entrada, un número entero desde 1, no «%2»</translation>
    </message>
    <message>
        <source>%1 needs --%2: %3</source>
        <translation>%1 necesita --%2: %3</translation>
    </message>
    <message>
        <source>%1: --%2 takes a whole number up to %3, not &quot;%4&quot;</source>
        <translation>%1: --%2 admite un número entero hasta %3, no «%4»</translation>
    </message>
    <message>
        <source>%1: --%2 takes a whole number, 0 or more, not &quot;%3&quot;</source>
        <translation>%1: --%2 admite un número entero, 0 o más, no «%3»</translation>
    </message>
    <message>
        <source>%1 takes no arguments, but got &quot;%2&quot;</source>
        <translation>%1 no admite argumentos, pero recibió «%2»</translation>
    </message>
    <message>
        <source>%1 takes one %2, but got also &quot;%3&quot; (quote a text with spaces)</source>
        <translation>%1 admite un %2, pero también recibió «%3» (ponga entre comillas un texto con espacios)</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 necesita %2</translation>
    </message>
    <message>
        <source>--backend needs a name: x11, wayland, gnome or auto</source>
        <translation>--backend necesita un nombre: x11, wayland, gnome o auto</translation>
    </message>
    <message>
        <source>--backend starts Tavrin and takes no command, but got &quot;%1&quot;</source>
        <translation>--backend inicia Tavrin y no admite órdenes, pero recibió «%1»</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>no existe la orden «%1»</translation>
    </message>
    <message>
        <source>--help takes no arguments</source>
        <translation>--help no admite argumentos</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version no admite argumentos</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>Usage: tavrin [COMMAND [OPTIONS] [ARGUMENT]]</source>
        <translation>Uso: tavrin [ORDEN [OPCIONES] [ARGUMENTO]]</translation>
    </message>
    <message>
        <source>Tavrin keeps everything you copy. Without a command it starts, or shows the list of the Tavrin already running on this display. A command asks the running Tavrin.</source>
        <translation>Tavrin guarda todo lo que copia. Sin una orden se inicia, o muestra la lista del Tavrin que ya se ejecuta en esta pantalla. Una orden se dirige al Tavrin en ejecución.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Show this help; &quot;tavrin COMMAND --help&quot; shows a command&apos;s.</source>
        <translation>Mostrar esta ayuda; «tavrin ORDEN --help» muestra la de una orden.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostrar la versión.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the command failed, 2 a wrong command line, 3 Tavrin is not running on this display.</source>
        <translation>Estado de salida: 0 hecho, 1 la orden falló, 2 línea de órdenes incorrecta, 3 Tavrin no se ejecuta en esta pantalla.</translation>
    </message>
    <message>
        <source>Usage: tavrin %1</source>
        <translation>Uso: tavrin %1</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>Start on the desktop backend NAME: wayland, gnome, x11 or auto (the default: wayland where the compositor lets programs follow the clipboard, gnome in a GNOME Wayland session, else x11). The TAVRIN_BACKEND environment variable does the same.</source>
        <translation>Iniciar con el motor de escritorio NAME: wayland, gnome, x11 o auto (de forma predeterminada: wayland donde el compositor deja a los programas seguir el portapapeles, gnome en una sesión Wayland de GNOME, si no x11). La variable de entorno TAVRIN_BACKEND hace lo mismo.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Print a JSON array of objects with &quot;index&quot;, &quot;pinned&quot;, &quot;kind&quot; (&quot;text&quot;, &quot;file&quot; or &quot;folder&quot;) and &quot;text&quot;, the whole entry.</source>
        <translation>Imprimir un vector JSON de objetos con &quot;index&quot;, &quot;pinned&quot;, &quot;kind&quot; (&quot;text&quot;, &quot;file&quot; o &quot;folder&quot;) y &quot;text&quot;, la entrada completa.</translation>
    </message>
    <message>
        <source>Print at most N entries (0: all, the default).</source>
        <translation>Imprimir como mucho N entradas (0: todas, el valor predeterminado).</translation>
    </message>
    <message>
        <source>Show at most N characters of each entry on its line (default 100; 0: all).</source>
        <translation>Mostrar como mucho N caracteres de cada entrada en su línea (100 de forma predeterminada; 0: todos).</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>no se puede leer la entrada estándar: %1</translation>
    </message>
    <message>
        <source>standard input holds more than %1 bytes (%2 MiB), the most Tavrin adds as one text; nothing was added</source>
        <translation>la entrada estándar contiene más de %1 bytes (%2 MiB), lo máximo que Tavrin añade como un texto; no se añadió nada</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte; Tavrin adds texts only</source>
        <translation>la entrada estándar contiene un byte NUL; Tavrin solo añade textos</translation>
    </message>
    <message>
        <source>standard input is not valid UTF-8; the invalid bytes were replaced</source>
        <translation>la entrada estándar no es UTF-8 válido; se sustituyeron los bytes no válidos</translation>
    </message>
    <message>
        <source>N is the entry&apos;s row as &quot;tavrin list&quot; prints it and the list window shows it, counted from 1; a row beyond the history is refused with the number of entries there are.</source>
        <translation>N es la fila de la entrada tal como la imprime «tavrin list» y la muestra la ventana de la lista, contando desde 1; una fila más allá del historial se rechaza indicando cuántas entradas hay.</translation>
    </message>
    <message>
        <source>Print the history, top row first</source>
        <translation>Imprimir el historial, la fila superior primero</translation>
    </message>
    <message>
        <source>Prints the history in the list window&apos;s order: the pinned entries, then the others newest first. Each line holds the row number (followed by * for a pinned entry), a tab, and the entry on one line: white space runs become one space, control characters show as symbols, and long entries end in &quot;…&quot;.</source>
        <translation>Imprime el historial en el orden de la ventana de la lista: las entradas fijadas y luego las demás, las más recientes primero. Cada línea contiene el número de fila (seguido de * si la entrada está fijada), un tabulador y la entrada en una línea: las series de espacios se convierten en un espacio, los caracteres de control se muestran como símbolos y las entradas largas terminan en «…».</translation>
    </message>
    <message>
        <source>Print the entries that contain TEXT</source>
        <translation>Imprimir las entradas que contienen TEXT</translation>
    </message>
    <message>
        <source>Prints the entries that contain TEXT, ignoring case, with their row numbers, in the form of &quot;tavrin list&quot;. An empty TEXT matches nothing.</source>
        <translation>Imprime las entradas que contienen TEXT, sin distinguir mayúsculas y minúsculas, con sus números de fila, con el formato de «tavrin list». Un TEXT vacío no coincide con nada.</translation>
    </message>
    <message>
        <source>Put entry N on the clipboard</source>
        <translation>Poner la entrada N en el portapapeles</translation>
    </message>
    <message>
        <source>Puts entry N on the clipboard, a file or folder as a file.</source>
        <translation>Pone la entrada N en el portapapeles, un archivo o una carpeta como archivo.</translation>
    </message>
    <message>
        <source>Paste entry N into the window that has the focus</source>
        <translation>Pegar la entrada N en la ventana que tiene el foco</translation>
    </message>
    <message>
        <source>Puts entry N on the clipboard and pastes it into the window that had the focus when the command ran, as Ctrl+N does in the list window. A folder is pasted once it is confirmed.</source>
        <translation>Pone la entrada N en el portapapeles y la pega en la ventana que tenía el foco cuando se ejecutó la orden, como hace Ctrl+N en la ventana de la lista. Una carpeta se pega una vez confirmada.</translation>
    </message>
    <message>
        <source>Copy TEXT, or standard input, as a new entry</source>
        <translation>Copiar TEXT, o la entrada estándar, como una entrada nueva</translation>
    </message>
    <message>
        <source>Puts the text on the clipboard and at the top of the history, as if it had been copied. Without TEXT, or with -, the text is standard input, exactly as read (a final line break included). A text may hold up to %1 MiB of UTF-8; a larger one is refused, as is any text while recording is paused.</source>
        <translation>Pone el texto en el portapapeles y al principio del historial, como si se hubiera copiado. Sin TEXT, o con -, el texto es la entrada estándar, tal como se lee (incluido un salto de línea final). Un texto puede tener hasta %1 MiB de UTF-8; uno mayor se rechaza, igual que cualquier texto mientras el registro está en pausa.</translation>
    </message>
    <message>
        <source>Remove entry N from the history</source>
        <translation>Quitar la entrada N del historial</translation>
    </message>
    <message>
        <source>Removes entry N, pinned or not.</source>
        <translation>Quita la entrada N, esté fijada o no.</translation>
    </message>
    <message>
        <source>Pin entry N</source>
        <translation>Fijar la entrada N</translation>
    </message>
    <message>
        <source>Pins entry N: it moves to the bottom of the pinned entries at the top of the list. At most nine entries are pinned.</source>
        <translation>Fija la entrada N: pasa al final de las entradas fijadas en la parte superior de la lista. Como mucho se fijan nueve entradas.</translation>
    </message>
    <message>
        <source>Unpin entry N</source>
        <translation>Desfijar la entrada N</translation>
    </message>
    <message>
        <source>Unpins entry N: it moves to just below the pinned entries.</source>
        <translation>Desfija la entrada N: pasa justo debajo de las entradas fijadas.</translation>
    </message>
    <message>
        <source>Remove every entry, pinned ones too</source>
        <translation>Quitar todas las entradas, también las fijadas</translation>
    </message>
    <message>
        <source>Removes every entry of the history, pinned ones included, as &quot;Clear Clipboard&quot; does. --yes confirms it.</source>
        <translation>Quita todas las entradas del historial, incluidas las fijadas, como hace «Vaciar el portapapeles». --yes lo confirma.</translation>
    </message>
    <message>
        <source>Confirm that the whole history goes.</source>
        <translation>Confirmar que se quita todo el historial.</translation>
    </message>
    <message>
        <source>Show the list window</source>
        <translation>Mostrar la ventana de la lista</translation>
    </message>
    <message>
        <source>Shows the list window, as the tray icon and the shortcut do.</source>
        <translation>Muestra la ventana de la lista, como hacen el icono de la bandeja y el atajo.</translation>
    </message>
    <message>
        <source>Show the main window instead.</source>
        <translation>Mostrar en su lugar la ventana principal.</translation>
    </message>
    <message>
        <source>Switch sequential paste mode on or off</source>
        <translation>Activar o desactivar el modo de pegado secuencial</translation>
    </message>
    <message>
        <source>Shows or hides the sequential paste queue, which switches sequential mode on or off, and prints the new state.</source>
        <translation>Muestra u oculta la cola de pegado secuencial, lo que activa o desactiva el modo secuencial, e imprime el nuevo estado.</translation>
    </message>
    <message>
        <source>Paste the next entry of the sequential paste queue</source>
        <translation>Pegar la siguiente entrada de la cola de pegado secuencial</translation>
    </message>
    <message>
        <source>Takes the next entry off the sequential paste queue, oldest or newest first as the Preferences say, and pastes it into the window that has the focus, as the sequential paste shortcut does. Fails when the queue is empty. Bind it to a key in the desktop&apos;s own key settings where Tavrin cannot take shortcuts itself.</source>
        <translation>Saca la siguiente entrada de la cola de pegado secuencial, la más antigua o la más reciente primero según las Preferencias, y la pega en la ventana que tiene el foco, como hace el atajo de pegado secuencial. Falla cuando la cola está vacía. Asígnela a una tecla en la configuración de teclado del propio escritorio donde Tavrin no puede usar atajos por sí mismo.</translation>
    </message>
    <message>
        <source>Stop recording copies</source>
        <translation>Dejar de registrar copias</translation>
    </message>
    <message>
        <source>Stops recording: until &quot;tavrin resume&quot;, or until Tavrin starts again, nothing copied goes into the history, and what was copied meanwhile is not recorded later.</source>
        <translation>Detiene el registro: hasta «tavrin resume», o hasta que Tavrin se inicie de nuevo, nada de lo copiado entra en el historial, y lo copiado entretanto no se registra después.</translation>
    </message>
    <message>
        <source>Record copies again</source>
        <translation>Volver a registrar copias</translation>
    </message>
    <message>
        <source>Records copies again from the next one on.</source>
        <translation>Vuelve a registrar copias a partir de la siguiente.</translation>
    </message>
    <message>
        <source>End the running Tavrin</source>
        <translation>Cerrar el Tavrin en ejecución</translation>
    </message>
    <message>
        <source>Ends the running Tavrin, which first writes a history save still waiting, and returns once it has ended.</source>
        <translation>Cierra el Tavrin en ejecución, que antes escribe un guardado del historial aún pendiente, y vuelve cuando ha terminado.</translation>
    </message>
</context>
<context>
    <name>ControlBus</name>
    <message>
        <source>there is no entry %1: the history is empty</source>
        <translation>no hay entrada %1: el historial está vacío</translation>
    </message>
    <message>
        <source>there is no entry %1: the history has 1 entry, numbered from 1</source>
        <translation>no hay entrada %1: el historial tiene 1 entrada, numerada desde 1</translation>
    </message>
    <message numerus="yes">
        <source>there is no entry %1: the history has %n entries, numbered from 1</source>
        <translation>
            <numerusform>no hay entrada %1: el historial tiene %n entrada, numerada desde 1</numerusform>
            <numerusform>no hay entrada %1: el historial tiene %n entradas, numeradas desde 1</numerusform>
        </translation>
    </message>
    <message>
        <source>the text is %1 bytes long in UTF-8; Tavrin adds texts of at most %2 bytes (%3 MiB)</source>
        <translation>el texto ocupa %1 bytes en UTF-8; Tavrin añade textos de como mucho %2 bytes (%3 MiB)</translation>
    </message>
</context>
<context>
    <name>ControlClient</name>
    <message>
        <source>there is no D-Bus session bus (%1), so no running Tavrin can be reached</source>
        <translation>no hay bus de sesión D-Bus (%1), así que no se puede contactar con ningún Tavrin en ejecución</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>no conectado</translation>
    </message>
    <message>
        <source>Tavrin is not running on display %1; start it with: tavrin</source>
        <translation>Tavrin no se ejecuta en la pantalla %1; inícielo con: tavrin</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>the Tavrin running on display %1 does not take this command (%2)</source>
        <translation>el Tavrin que se ejecuta en la pantalla %1 no admite esta orden (%2)</translation>
    </message>
    <message>
        <source>Tavrin on display %1 did not answer (%2)</source>
        <translation>Tavrin en la pantalla %1 no respondió (%2)</translation>
    </message>
    <message>
        <source>the call to Tavrin failed: %1 (%2)</source>
        <translation>la llamada a Tavrin falló: %1 (%2)</translation>
    </message>
    <message>
        <source>the session bus does not pass file descriptors, which listing needs</source>
        <translation>el bus de sesión no transmite descriptores de archivo, que el listado necesita</translation>
    </message>
    <message>
        <source>Tavrin answered without the list</source>
        <translation>Tavrin respondió sin la lista</translation>
    </message>
    <message>
        <source>reading the list failed: %1</source>
        <translation>falló la lectura de la lista: %1</translation>
    </message>
    <message>
        <source>Tavrin on display %1 did not end within %2 s</source>
        <translation>Tavrin en la pantalla %1 no terminó en %2 s</translation>
    </message>
</context>
<context>
    <name>DataFolderLock</name>
    <message>
        <source>Tavrin is already running</source>
        <translation>Tavrin ya se está ejecutando</translation>
    </message>
    <message>
        <source>Another Tavrin (%1) uses the clipboard history in %2. Two at once would overwrite each other&apos;s copies; quit the other one first.</source>
        <translation>Otro Tavrin (%1) usa el historial del portapapeles en %2. Dos a la vez sobrescribirían las copias del otro; cierre primero el otro.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>another process</source>
        <translation>otro proceso</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>proceso %1 en %2</translation>
    </message>
</context>
<context>
    <name>DesktopReasons</name>
    <message>
        <source>an autostart entry starts tavrin-launcher when you log in</source>
        <translation>una entrada de inicio automático inicia tavrin-launcher al iniciar sesión</translation>
    </message>
    <message>
        <source>the Tavrin extension of GNOME Shell reports every copy</source>
        <translation>la extensión de Tavrin para GNOME Shell informa de cada copia</translation>
    </message>
    <message>
        <source>keys are typed through the Tavrin extension of GNOME Shell</source>
        <translation>las teclas se pulsan mediante la extensión de Tavrin para GNOME Shell</translation>
    </message>
    <message>
        <source>the Tavrin extension of GNOME Shell takes them; GNOME&apos;s own shortcuts stay GNOME&apos;s</source>
        <translation>la extensión de Tavrin para GNOME Shell los toma; los atajos propios de GNOME siguen siendo de GNOME</translation>
    </message>
    <message>
        <source>the panel shows status icons (StatusNotifierItem)</source>
        <translation>el panel muestra iconos de estado (StatusNotifierItem)</translation>
    </message>
    <message>
        <source>This key cannot be a shortcut on GNOME.</source>
        <translation>Esta tecla no puede ser un atajo en GNOME.</translation>
    </message>
    <message>
        <source>This desktop lets no program take global shortcuts.</source>
        <translation>Este escritorio no permite que ningún programa use atajos globales.</translation>
    </message>
    <message>
        <source>keys are typed through the compositor&apos;s virtual keyboard</source>
        <translation>las teclas se pulsan mediante el teclado virtual del compositor</translation>
    </message>
    <message>
        <source>this desktop does not let programs take shortcuts: bind Tavrin&apos;s commands in the desktop&apos;s own key settings</source>
        <translation>este escritorio no permite que los programas usen atajos: asigne las órdenes de Tavrin en la configuración de teclado del propio escritorio</translation>
    </message>
    <message>
        <source>no panel on this desktop shows status icons</source>
        <translation>ningún panel de este escritorio muestra iconos de estado</translation>
    </message>
    <message>
        <source>Global shortcuts need an X display, and none can be reached.</source>
        <translation>Los atajos globales necesitan una pantalla X, y no se puede contactar con ninguna.</translation>
    </message>
    <message>
        <source>The keyboard layout of the X display cannot be read.</source>
        <translation>No se puede leer la distribución del teclado de la pantalla X.</translation>
    </message>
    <message>
        <source>a system tray shows the icon</source>
        <translation>una bandeja del sistema muestra el icono</translation>
    </message>
    <message>
        <source>no system tray was running at start; the list opens with its shortcut or a second start</source>
        <translation>no había ninguna bandeja del sistema al iniciar; la lista se abre con su atajo o con un segundo inicio</translation>
    </message>
    <message>
        <source>no X server could be reached</source>
        <translation>no se pudo contactar con ningún servidor X</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>capturas de teclas en el servidor X</translation>
    </message>
    <message>
        <source>the keyboard layout of the X server cannot be read</source>
        <translation>no se puede leer la distribución del teclado del servidor X</translation>
    </message>
    <message>
        <source>XFixes tells every change of the clipboard&apos;s owner</source>
        <translation>XFixes informa de cada cambio de propietario del portapapeles</translation>
    </message>
    <message>
        <source>the display offers no XFixes extension</source>
        <translation>la pantalla no ofrece la extensión XFixes</translation>
    </message>
    <message>
        <source>the paste keys are typed through XTEST</source>
        <translation>las teclas de pegado se pulsan mediante XTEST</translation>
    </message>
    <message>
        <source>the display offers no XTEST extension</source>
        <translation>la pantalla no ofrece la extensión XTEST</translation>
    </message>
    <message>
        <source>this desktop cannot start programs at login</source>
        <translation>este escritorio no puede iniciar programas al iniciar sesión</translation>
    </message>
    <message>
        <source>keys are typed through the desktop&apos;s RemoteDesktop portal</source>
        <translation>las teclas se escriben a través del portal RemoteDesktop del escritorio</translation>
    </message>
    <message>
        <source>this desktop does not let programs type keys; the entry is put on the clipboard and Ctrl+V pastes it</source>
        <translation>este escritorio no permite que los programas escriban teclas; la entrada se coloca en el portapapeles y Ctrl+V la pega</translation>
    </message>
    <message>
        <source>KDE&apos;s shortcut service takes them; System Settings lists them under Tavrin</source>
        <translation>el servicio de atajos de KDE los gestiona; las Preferencias del sistema los muestran bajo Tavrin</translation>
    </message>
    <message>
        <source>it is not running (not a KDE Plasma session)</source>
        <translation>no está en ejecución (no es una sesión de KDE Plasma)</translation>
    </message>
    <message>
        <source>the desktop&apos;s GlobalShortcuts portal takes them, after asking in its own dialog</source>
        <translation>el portal GlobalShortcuts del escritorio los gestiona, tras preguntar en su propio diálogo</translation>
    </message>
</context>
<context>
    <name>GuideHelpPage</name>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The help page is missing from this build of Tavrin.</source>
        <translation>Falta la página de ayuda en esta compilación de Tavrin.</translation>
    </message>
    <message>
        <source>The help page could not be written to %1.</source>
        <translation>No se pudo escribir la página de ayuda en %1.</translation>
    </message>
</context>
<context>
    <name>Newsletter</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Successfully Subscribed</source>
        <translation>Suscripción realizada</translation>
    </message>
    <message>
        <source>You have Successfully Subscribed for our Newslatter.</source>
        <translation>Se ha suscrito correctamente a nuestro boletín.</translation>
    </message>
    <message>
        <source>Already Subscribed</source>
        <translation>Ya suscrito</translation>
    </message>
    <message>
        <source>The email address &quot;%1&quot; already has an Active Subscription.</source>
        <translation>La dirección de correo «%1» ya tiene una suscripción activa.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>There was an error in processing your request. Please try again later.</source>
        <translation>Se produjo un error al procesar su solicitud. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Email cannot be blank</source>
        <translation>El correo no puede estar vacío</translation>
    </message>
    <message>
        <source>Please enter a valid Email address</source>
        <translation>Introduzca una dirección de correo válida</translation>
    </message>
    <message>
        <source>Invalid Email</source>
        <translation>Correo no válido</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>Quick access shortcut</source>
        <translation>Atajo de acceso rápido</translation>
    </message>
    <message>
        <source>Sequential paste on or off shortcut</source>
        <translation>Atajo para activar o desactivar el pegado secuencial</translation>
    </message>
    <message>
        <source>Paste next shortcut</source>
        <translation>Atajo para pegar el siguiente</translation>
    </message>
    <message>
        <source>Clear quick access shortcut</source>
        <translation>Borrar el atajo de acceso rápido</translation>
    </message>
    <message>
        <source>Clear sequential paste on or off shortcut</source>
        <translation>Borrar el atajo para activar o desactivar el pegado secuencial</translation>
    </message>
    <message>
        <source>Clear paste next shortcut</source>
        <translation>Borrar el atajo para pegar el siguiente</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Click here to enter shortcut</source>
        <translation>Pulse aquí para introducir un atajo</translation>
    </message>
    <message>
        <source>Please use a different key combination.</source>
        <translation>Use otra combinación de teclas.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>No Entries</source>
        <translation>Sin entradas</translation>
    </message>
    <message>
        <source>Show Clipboard</source>
        <translation>Mostrar portapapeles</translation>
    </message>
</context>
<context>
    <name>tavrin::AboutPane</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Tavrin icon</source>
        <translation>Icono de Tavrin</translation>
    </message>
    <message>
        <source>Version unknown</source>
        <translation>Versión desconocida</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Tavrin keeps every text and file you copy, so that you can copy or paste it again whenever you need it.</source>
        <translation>Tavrin guarda cada texto y archivo que copia, para que pueda copiarlo o pegarlo de nuevo cuando lo necesite.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Rate Tavrin</source>
        <translation>Valorar Tavrin</translation>
    </message>
</context>
<context>
    <name>tavrin::AppActions</name>
    <message>
        <source>Manage Clipboard</source>
        <translation>Gestionar el portapapeles</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <translation>Vaciar el portapapeles</translation>
    </message>
    <message>
        <source>Show Sequential Paste Queue</source>
        <translation>Mostrar la cola de pegado secuencial</translation>
    </message>
    <message>
        <source>Clear Sequential Paste Queue</source>
        <translation>Vaciar la cola de pegado secuencial</translation>
    </message>
    <message>
        <source>Pause Recording</source>
        <translation>Pausar el registro</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Hide Sequential Paste Queue</source>
        <translation>Ocultar la cola de pegado secuencial</translation>
    </message>
    <message>
        <source>Resume Recording</source>
        <translation>Reanudar el registro</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>¿Quitar todos los elementos?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the entire Clipboard?.</source>
        <translation>¿Seguro que quiere vaciar todo el portapapeles?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Show Tooltip</source>
        <translation>Mostrar descripción emergente</translation>
    </message>
</context>
<context>
    <name>tavrin::AppShell</name>
    <message>
        <source>Copied: press Ctrl+V</source>
        <translation>Copiado: pulse Ctrl+V</translation>
    </message>
</context>
<context>
    <name>tavrin::AppShortcuts</name>
    <message>
        <source>The key stored for this shortcut, &quot;%1&quot;, cannot be used here.</source>
        <translation>La tecla guardada para este atajo, «%1», no se puede usar aquí.</translation>
    </message>
</context>
<context>
    <name>tavrin::ClipboardPane</name>
    <message>
        <source>Clipboard</source>
        <translation>Portapapeles</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>Historial del portapapeles</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>Quitar este elemento</translation>
    </message>
    <message>
        <source>Clear entire Clipboard items</source>
        <translation>Borrar todos los elementos del portapapeles</translation>
    </message>
    <message>
        <source>Unpin this Item</source>
        <translation>Desfijar este elemento</translation>
    </message>
    <message>
        <source>Pin this Item</source>
        <translation>Fijar este elemento</translation>
    </message>
    <message>
        <source>Add to Custom Clipboard</source>
        <translation>Añadir a un portapapeles personalizado</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>¿Quitar el elemento seleccionado?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>¿Seguro que quiere quitar el elemento seleccionado?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>¿Quitar todos los elementos?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the entire Clipboard?.</source>
        <translation>¿Seguro que quiere vaciar todo el portapapeles?</translation>
    </message>
</context>
<context>
    <name>tavrin::ControlService</name>
    <message>
        <source>the listing option &quot;%1&quot; is unknown or has a wrong value</source>
        <translation>la opción de listado «%1» es desconocida o tiene un valor incorrecto</translation>
    </message>
    <message>
        <source>cannot open a channel for the list: %1</source>
        <translation>no se puede abrir un canal para la lista: %1</translation>
    </message>
    <message>
        <source>recording is paused, so nothing is added; resume it first</source>
        <translation>el registro está en pausa, así que no se añade nada; reanúdelo primero</translation>
    </message>
    <message>
        <source>an empty text is not added</source>
        <translation>un texto vacío no se añade</translation>
    </message>
    <message>
        <source>entry %1 is pinned already</source>
        <translation>la entrada %1 ya está fijada</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are pinned already, the most there can be; unpin one first</source>
        <translation>
            <numerusform>%n entrada ya está fijada, el máximo posible; desfije una primero</numerusform>
            <numerusform>%n entradas ya están fijadas, el máximo posible; desfije una primero</numerusform>
        </translation>
    </message>
    <message>
        <source>entry %1 is not pinned</source>
        <translation>la entrada %1 no está fijada</translation>
    </message>
    <message>
        <source>the sequential paste queue is empty: nothing to paste</source>
        <translation>la cola de pegado secuencial está vacía: no hay nada que pegar</translation>
    </message>
</context>
<context>
    <name>tavrin::CopiedToast</name>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
</context>
<context>
    <name>tavrin::CopyDroppedNotice</name>
    <message>
        <source>The application that copied</source>
        <translation>La aplicación que copió</translation>
    </message>
    <message>
        <source>Tavrin did not record a copy</source>
        <translation>Tavrin no registró una copia</translation>
    </message>
    <message>
        <source>%1 took longer than %2 s to hand over what was copied, so it is not in the history. The setting %3 sets how long Tavrin waits.</source>
        <translation>%1 tardó más de %2 s en entregar lo copiado, por lo que no está en el historial. El ajuste %3 define cuánto espera Tavrin.</translation>
    </message>
</context>
<context>
    <name>tavrin::DesktopSupportView</name>
    <message>
        <source>Show the list</source>
        <translation>Mostrar la lista</translation>
    </message>
    <message>
        <source>Switch sequential paste on or off</source>
        <translation>Activar o desactivar el pegado secuencial</translation>
    </message>
    <message>
        <source>Paste the next entry of the sequential queue</source>
        <translation>Pegar la siguiente entrada de la cola secuencial</translation>
    </message>
    <message>
        <source>This desktop</source>
        <translation>Este escritorio</translation>
    </message>
    <message>
        <source>Session: %1</source>
        <translation>Sesión: %1</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Atajos globales</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Icono de la bandeja del sistema</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>To make it work, run:</source>
        <translation>Para que funcione, ejecute:</translation>
    </message>
    <message>
        <source>The command that makes it work</source>
        <translation>La orden que lo hace funcionar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy &quot;%1&quot;</source>
        <translation>Copiar «%1»</translation>
    </message>
    <message>
        <source>Works</source>
        <translation>Funciona</translation>
    </message>
    <message>
        <source>Does not work</source>
        <translation>No funciona</translation>
    </message>
    <message>
        <source>Not every shortcut works</source>
        <translation>No todos los atajos funcionan</translation>
    </message>
    <message>
        <source>Global shortcuts: %1</source>
        <translation>Atajos globales: %1</translation>
    </message>
    <message>
        <source>This desktop does not let programs take shortcuts. Bind these commands to keys in the desktop&apos;s own key settings:</source>
        <translation>Este escritorio no permite que los programas usen atajos. Asigne estas órdenes a teclas en la configuración de teclado del propio escritorio:</translation>
    </message>
</context>
<context>
    <name>tavrin::DimmingLayer</name>
    <message>
        <source>Dimming</source>
        <translation>Atenuación</translation>
    </message>
</context>
<context>
    <name>tavrin::FileOrFolderDialog</name>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupListModel</name>
    <message>
        <source>Clipboard</source>
        <translation>Portapapeles</translation>
    </message>
    <message>
        <source>Custom Clipboards</source>
        <translation>Portapapeles personalizados</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupListView</name>
    <message>
        <source>Remove this Clipboard</source>
        <translation>Quitar este portapapeles</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupPane</name>
    <message>
        <source>Add a file or folder to paste at a later time</source>
        <translation>Añadir un archivo o una carpeta para pegarlos más tarde</translation>
    </message>
    <message>
        <source>Please select a file/folder to add to Clipboard for Quick copy and pasting</source>
        <translation>Seleccione un archivo o una carpeta para añadirlo al portapapeles y copiarlo y pegarlo rápidamente</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Portapapeles</translation>
    </message>
    <message>
        <source>Clipboard items</source>
        <translation>Elementos del portapapeles</translation>
    </message>
    <message>
        <source>Add a file or folder</source>
        <translation>Añadir un archivo o una carpeta</translation>
    </message>
    <message>
        <source>No files found</source>
        <translation>No se encontraron archivos</translation>
    </message>
    <message>
        <source>Add a file or folder with the + button, or drop files onto this Clipboard&apos;s name in the sidebar.</source>
        <translation>Añada un archivo o una carpeta con el botón +, o suelte archivos sobre el nombre de este portapapeles en la barra lateral.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>Quitar este elemento</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>¿Quitar el elemento seleccionado?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>¿Seguro que quiere quitar el elemento seleccionado?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>¿Quitar todos los elementos?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all the items from this Clipboard?</source>
        <translation>¿Seguro que quiere quitar todos los elementos de este portapapeles?</translation>
    </message>
</context>
<context>
    <name>tavrin::HistoryRowDelegate</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
</context>
<context>
    <name>tavrin::ListPane</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>tavrin::MainWindowContent</name>
    <message>
        <source>Pane</source>
        <translation>Panel</translation>
    </message>
</context>
<context>
    <name>tavrin::NewsletterForm</name>
    <message>
        <source>Subscribe</source>
        <translation>Suscribirse</translation>
    </message>
    <message>
        <source>Hear about new versions: leave your e-mail address for our newsletter.</source>
        <translation>Entérese de las nuevas versiones: deje su dirección de correo para nuestro boletín.</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Dirección de correo</translation>
    </message>
</context>
<context>
    <name>tavrin::PasteAccessGuide</name>
    <message>
        <source>Tavrin cannot paste here</source>
        <translation>Tavrin no puede pegar aquí</translation>
    </message>
    <message>
        <source>Tavrin pastes by typing Ctrl+V for you. That needs an X11 session with the XTEST extension, and this session has none. Your entry is on the clipboard: press Ctrl+V to paste it yourself.</source>
        <translation>Tavrin pega pulsando Ctrl+V por usted. Eso requiere una sesión X11 con la extensión XTEST, y esta sesión no la tiene. Su entrada está en el portapapeles: pulse Ctrl+V para pegarla usted.</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Paso 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Paso 2</translation>
    </message>
    <message>
        <source>How to Make Pasting Work</source>
        <translation>Cómo hacer que funcione el pegado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No program could open the help page. You find it at %1</source>
        <translation>Ningún programa pudo abrir la página de ayuda. La encontrará en %1</translation>
    </message>
</context>
<context>
    <name>tavrin::PreferencesPane</name>
    <message>
        <source>Start pasting from first copied item to last</source>
        <translation>Pegar desde el primer elemento copiado hasta el último</translation>
    </message>
    <message>
        <source>Start pasting from Last copied item to first</source>
        <translation>Pegar desde el último elemento copiado hasta el primero</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Play interaction sounds</source>
        <translation>Reproducir sonidos de interacción</translation>
    </message>
    <message>
        <source>Start Tavrin at login</source>
        <translation>Iniciar Tavrin al iniciar sesión</translation>
    </message>
    <message>
        <source>This desktop gives programs no way to start with the session.</source>
        <translation>Este escritorio no ofrece a los programas ninguna forma de iniciarse con la sesión.</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Click a box, then press the keys: at least one of Ctrl, Alt, Shift or Super with another key. The shortcuts work in every application.</source>
        <translation>Pulse en un cuadro y luego las teclas: al menos una de Ctrl, Alt, Mayús o Super con otra tecla. Los atajos funcionan en todas las aplicaciones.</translation>
    </message>
    <message>
        <source>This desktop does not let programs take shortcuts: bind the commands under &quot;This desktop&quot; below in the desktop&apos;s own keyboard settings.</source>
        <translation>Este escritorio no permite que los programas usen atajos: asigne las órdenes de «Este escritorio», más abajo, en la configuración de teclado del propio escritorio.</translation>
    </message>
    <message>
        <source>Show the clipboard list</source>
        <translation>Mostrar la lista del portapapeles</translation>
    </message>
    <message>
        <source>Sequential Queue</source>
        <translation>Cola secuencial</translation>
    </message>
    <message>
        <source>Record both shortcuts below. Press the first to start sequential paste: every text or file you copy then joins the queue, shown in a small window. Each press of the second pastes the next queued entry into the application in front, in the order chosen here. Press the first again, or close the queue window, to stop.</source>
        <translation>Grabe los dos atajos de abajo. Pulse el primero para iniciar el pegado secuencial: cada texto o archivo que copie se une a la cola, que se muestra en una ventana pequeña. Cada pulsación del segundo pega la siguiente entrada de la cola en la aplicación en primer plano, en el orden elegido aquí. Pulse de nuevo el primero, o cierre la ventana de la cola, para terminar.</translation>
    </message>
    <message>
        <source>Sequential paste on or off</source>
        <translation>Activar o desactivar el pegado secuencial</translation>
    </message>
    <message>
        <source>Paste the next queued entry</source>
        <translation>Pegar la siguiente entrada de la cola</translation>
    </message>
    <message>
        <source>Paste order</source>
        <translation>Orden de pegado</translation>
    </message>
    <message>
        <source>Clear this shortcut</source>
        <translation>Borrar este atajo</translation>
    </message>
    <message>
        <source>Does not work: %1</source>
        <translation>No funciona: %1</translation>
    </message>
    <message>
        <source>Tavrin could not be set to start at login.</source>
        <translation>No se pudo configurar Tavrin para que se inicie al iniciar sesión.</translation>
    </message>
    <message>
        <source>Tavrin could not be kept from starting at login.</source>
        <translation>No se pudo impedir que Tavrin se inicie al iniciar sesión.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Waiting for the desktop to allow it</source>
        <translation>Esperando a que el escritorio lo permita</translation>
    </message>
</context>
<context>
    <name>tavrin::QueueListModel</name>
    <message>
        <source>Pasted next</source>
        <translation>Se pega a continuación</translation>
    </message>
    <message>
        <source>pasted next</source>
        <translation>se pega a continuación</translation>
    </message>
</context>
<context>
    <name>tavrin::QuickListView</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>Quitar este elemento</translation>
    </message>
    <message>
        <source>Unpin this Item</source>
        <translation>Desfijar este elemento</translation>
    </message>
    <message>
        <source>Pin this Item</source>
        <translation>Fijar este elemento</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>¿Quitar el elemento seleccionado?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>¿Seguro que quiere quitar el elemento seleccionado?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Portapapeles</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Show the Clipboard or a Custom Clipboard</source>
        <translation>Mostrar el portapapeles o un portapapeles personalizado</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>Historial del portapapeles</translation>
    </message>
    <message>
        <source>Shown list: %1</source>
        <translation>Lista mostrada: %1</translation>
    </message>
</context>
<context>
    <name>tavrin::SaveNotices</name>
    <message>
        <source>Tavrin kept a damaged file aside</source>
        <translation>Tavrin apartó un archivo dañado</translation>
    </message>
    <message>
        <source>%1 could not be read whole (%2). It is kept as %3, and Tavrin saves in its place.</source>
        <translation>%1 no se pudo leer completo (%2). Se conserva como %3 y Tavrin guarda en su lugar.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The history is saved to %3 from now on.</source>
        <translation>No se puede usar %1: %2. A partir de ahora el historial se guarda en %3.</translation>
    </message>
    <message>
        <source>Its entries were read from %1, which is left as it is.</source>
        <translation>Sus entradas se leyeron de %1, que se deja como está.</translation>
    </message>
    <message>
        <source>Tavrin saves the clipboard history in another file</source>
        <translation>Tavrin guarda el historial del portapapeles en otro archivo</translation>
    </message>
    <message>
        <source>Tavrin cannot save the clipboard history</source>
        <translation>Tavrin no puede guardar el historial del portapapeles</translation>
    </message>
    <message>
        <source>%1: %2. What you copy stays in memory, and Tavrin keeps trying.</source>
        <translation>%1: %2. Lo que copia se queda en memoria y Tavrin lo sigue intentando.</translation>
    </message>
    <message>
        <source>Tavrin saves the clipboard history again</source>
        <translation>Tavrin vuelve a guardar el historial del portapapeles</translation>
    </message>
    <message>
        <source>Tavrin cannot save its settings</source>
        <translation>Tavrin no puede guardar su configuración</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Tavrin saves its settings again</source>
        <translation>Tavrin vuelve a guardar su configuración</translation>
    </message>
    <message>
        <source>Tavrin cannot save a group</source>
        <translation>Tavrin no puede guardar un grupo</translation>
    </message>
    <message>
        <source>Tavrin saves the group again</source>
        <translation>Tavrin vuelve a guardar el grupo</translation>
    </message>
</context>
<context>
    <name>tavrin::SequentialQueueView</name>
    <message>
        <source>In order to use the Sequential paste option, follow the instructions under Sequential Queue in Preferences.</source>
        <translation>Para usar el pegado secuencial, siga las instrucciones de «Cola secuencial» en Preferencias.</translation>
    </message>
    <message>
        <source>Sequential Paste Queue</source>
        <translation>Cola de pegado secuencial</translation>
    </message>
    <message>
        <source>Close the queue and end sequential paste</source>
        <translation>Cerrar la cola y terminar el pegado secuencial</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Queued entries</source>
        <translation>Entradas en la cola</translation>
    </message>
    <message>
        <source>Queue entry</source>
        <translation>Entrada de la cola</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>tavrin::SequentialQueueWindow</name>
    <message>
        <source>Sequential Paste Queue</source>
        <translation>Cola de pegado secuencial</translation>
    </message>
</context>
<context>
    <name>tavrin::ShortcutRecorderBox</name>
    <message>
        <source>Recording: press the new shortcut. %1</source>
        <translation>Grabando: pulse el nuevo atajo. %1</translation>
    </message>
</context>
<context>
    <name>tavrin::ShownListModel</name>
    <message>
        <source>pinned</source>
        <translation>fijado</translation>
    </message>
</context>
<context>
    <name>tavrin::Sidebar</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>A Clipboard name cannot contain a slash (/).</source>
        <translation>El nombre de un portapapeles no puede contener una barra (/).</translation>
    </message>
    <message>
        <source>A Clipboard name cannot contain a null character.</source>
        <translation>El nombre de un portapapeles no puede contener un carácter nulo.</translation>
    </message>
    <message>
        <source>A Clipboard cannot be named &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Un portapapeles no puede llamarse «.» ni «..».</translation>
    </message>
    <message>
        <source>The name &quot;myfile&quot; belongs to the Clipboard history&apos;s own file.</source>
        <translation>El nombre «myfile» pertenece al archivo propio del historial del portapapeles.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>Clipboard and Custom Clipboards</source>
        <translation>Portapapeles y portapapeles personalizados</translation>
    </message>
    <message>
        <source>Preferences and About</source>
        <translation>Preferencias y Acerca de</translation>
    </message>
    <message>
        <source>Add Clipboard</source>
        <translation>Añadir portapapeles</translation>
    </message>
    <message>
        <source>Add a Clipboard</source>
        <translation>Añadir un portapapeles</translation>
    </message>
    <message>
        <source>Clipboard with the same name already exists.</source>
        <translation>Ya existe un portapapeles con el mismo nombre.</translation>
    </message>
    <message>
        <source>The Clipboard&apos;s items could not be saved under this name (it may be too long for a file name), so it keeps its name.</source>
        <translation>Los elementos del portapapeles no se pudieron guardar con este nombre (quizá sea demasiado largo para un nombre de archivo), así que conserva su nombre.</translation>
    </message>
    <message>
        <source>Enter a valid name</source>
        <translation>Introduzca un nombre válido</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Remove selected Clipboard?</source>
        <translation>¿Quitar el portapapeles seleccionado?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected Clipboard? All the Items of this Clipboard will also be removed.</source>
        <translation>¿Seguro que quiere quitar el portapapeles seleccionado? También se quitarán todos sus elementos.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>tavrin::SidebarRowDelegate</name>
    <message>
        <source>Clipboard name</source>
        <translation>Nombre del portapapeles</translation>
    </message>
</context>
<context>
    <name>tavrin::TrayIcon</name>
    <message>
        <source>Tavrin (recording paused)</source>
        <translation>Tavrin (registro en pausa)</translation>
    </message>
</context>
<context>
    <name>tavrin::TrayMenuWindow</name>
    <message>
        <source>Tavrin Menu</source>
        <translation>Menú de Tavrin</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
</context>
<context>
    <name>tavrin::WelcomePane</name>
    <message>
        <source>Start Tavrin at login</source>
        <translation>Iniciar Tavrin al iniciar sesión</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Welcome to Tavrin</source>
        <translation>Le damos la bienvenida a Tavrin</translation>
    </message>
    <message>
        <source>Tavrin keeps everything you copy, texts as well as files and folders, so that you can copy or paste it again later.</source>
        <translation>Tavrin guarda todo lo que copia, tanto textos como archivos y carpetas, para que pueda copiarlo o pegarlo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Open the list of what you copied by clicking the Tavrin icon in the tray, or with a shortcut of your own.</source>
        <translation>Abra la lista de lo que ha copiado pulsando el icono de Tavrin en la bandeja del sistema, o con un atajo propio.</translation>
    </message>
    <message>
        <source>Record the shortcuts for the list and for pasting one item after another in Preferences.</source>
        <translation>Grabe en Preferencias los atajos para la lista y para pegar un elemento tras otro.</translation>
    </message>
    <message>
        <source>This desktop cannot start programs when you log in.</source>
        <translation>Este escritorio no puede iniciar programas cuando inicia sesión.</translation>
    </message>
    <message>
        <source>Tavrin will not start at login</source>
        <translation>Tavrin no se iniciará al iniciar sesión</translation>
    </message>
    <message>
        <source>%1. You can try again in Preferences.</source>
        <translation>%1. Puede volver a intentarlo en Preferencias.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
