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
        <source>Show Tooltip</source>
        <translation>Mostrar descripción emergente</translation>
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
