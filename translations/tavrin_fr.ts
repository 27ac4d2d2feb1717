<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Alerts</name>
    <message>
        <source>Paste this Folder?</source>
        <translation>Coller ce dossier&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to Paste this Folder with all its contents in the current destination?</source>
        <translation>Voulez-vous vraiment coller ce dossier avec tout son contenu dans la destination actuelle&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>tavrin&#xa0;: %1
Voir «&#xa0;%2&#xa0;».
</translation>
    </message>
    <message>
        <source>%1: row numbers start at 1, so there is no row %2</source>
        <translation>%1&#xa0;: les numéros de ligne commencent à 1, il n’y a donc pas de ligne %2</translation>
    </message>
    <message>
        <source>%1: N is an entry&apos;s row, a whole number from 1 on, not &quot;%2&quot;</source>
        <translation>%1&#xa0;: N est la ligne d’une entrée, un nombre entier à partir de 1, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs --%2: %3</source>
        <translation>%1 nécessite --%2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: --%2 takes a whole number up to %3, not &quot;%4&quot;</source>
        <translation>%1&#xa0;: --%2 prend un nombre entier jusqu’à %3, pas «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>%1: --%2 takes a whole number, 0 or more, not &quot;%3&quot;</source>
        <translation>%1&#xa0;: --%2 prend un nombre entier, 0 ou plus, pas «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes no arguments, but got &quot;%2&quot;</source>
        <translation>%1 ne prend pas d’argument, mais a reçu «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes one %2, but got also &quot;%3&quot; (quote a text with spaces)</source>
        <translation>%1 prend un seul %2, mais a aussi reçu «&#xa0;%3&#xa0;» (mettez un texte avec des espaces entre guillemets)</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 nécessite %2</translation>
    </message>
    <message>
        <source>--backend needs a name: x11, wayland, gnome or auto</source>
        <translation>--backend nécessite un nom&#xa0;: x11, wayland, gnome ou auto</translation>
    </message>
    <message>
        <source>--backend starts Tavrin and takes no command, but got &quot;%1&quot;</source>
        <translation>--backend lance Tavrin et ne prend pas de commande, mais a reçu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>il n’y a pas de commande «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--help takes no arguments</source>
        <translation>--help ne prend pas d’argument</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version ne prend pas d’argument</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Usage: tavrin [COMMAND [OPTIONS] [ARGUMENT]]</source>
        <translation>Utilisation&#xa0;: tavrin [COMMANDE [OPTIONS] [ARGUMENT]]</translation>
    </message>
    <message>
        <source>Tavrin keeps everything you copy. Without a command it starts, or shows the list of the Tavrin already running on this display. A command asks the running Tavrin.</source>
        <translation>Tavrin conserve tout ce que vous copiez. Sans commande, il se lance, ou affiche la liste du Tavrin déjà en cours sur cet affichage. Une commande s’adresse au Tavrin en cours.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes&#xa0;:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Show this help; &quot;tavrin COMMAND --help&quot; shows a command&apos;s.</source>
        <translation>Afficher cette aide&#xa0;; «&#xa0;tavrin COMMANDE --help&#xa0;» affiche celle d’une commande.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the command failed, 2 a wrong command line, 3 Tavrin is not running on this display.</source>
        <translation>Code de sortie&#xa0;: 0 terminé, 1 la commande a échoué, 2 ligne de commande erronée, 3 Tavrin ne tourne pas sur cet affichage.</translation>
    </message>
    <message>
        <source>Usage: tavrin %1</source>
        <translation>Utilisation&#xa0;: tavrin %1</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Start on the desktop backend NAME: wayland, gnome, x11 or auto (the default: wayland where the compositor lets programs follow the clipboard, gnome in a GNOME Wayland session, else x11). The TAVRIN_BACKEND environment variable does the same.</source>
        <translation>Démarrer sur l’interface de bureau NAME&#xa0;: wayland, gnome, x11 ou auto (par défaut&#xa0;: wayland là où le compositeur laisse les programmes suivre le presse-papiers, gnome dans une session GNOME sous Wayland, sinon x11). La variable d’environnement TAVRIN_BACKEND fait de même.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Print a JSON array of objects with &quot;index&quot;, &quot;pinned&quot;, &quot;kind&quot; (&quot;text&quot;, &quot;file&quot; or &quot;folder&quot;) and &quot;text&quot;, the whole entry.</source>
        <translation>Afficher un tableau JSON d’objets avec &quot;index&quot;, &quot;pinned&quot;, &quot;kind&quot; (&quot;text&quot;, &quot;file&quot; ou &quot;folder&quot;) et &quot;text&quot;, l’entrée entière.</translation>
    </message>
    <message>
        <source>Print at most N entries (0: all, the default).</source>
        <translation>Afficher au plus N entrées (0&#xa0;: toutes, par défaut).</translation>
    </message>
    <message>
        <source>Show at most N characters of each entry on its line (default 100; 0: all).</source>
        <translation>Afficher au plus N caractères de chaque entrée sur sa ligne (100 par défaut&#xa0;; 0&#xa0;: tous).</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>impossible de lire l’entrée standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>standard input holds more than %1 bytes (%2 MiB), the most Tavrin adds as one text; nothing was added</source>
        <translation>l’entrée standard contient plus de %1 octets (%2 Mio), le maximum que Tavrin ajoute en un seul texte&#xa0;; rien n’a été ajouté</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte; Tavrin adds texts only</source>
        <translation>l’entrée standard contient un octet NUL&#xa0;; Tavrin n’ajoute que des textes</translation>
    </message>
    <message>
        <source>standard input is not valid UTF-8; the invalid bytes were replaced</source>
        <translation>l’entrée standard n’est pas de l’UTF-8 valide&#xa0;; les octets non valides ont été remplacés</translation>
    </message>
    <message>
        <source>N is the entry&apos;s row as &quot;tavrin list&quot; prints it and the list window shows it, counted from 1; a row beyond the history is refused with the number of entries there are.</source>
        <translation>N est la ligne de l’entrée telle que «&#xa0;tavrin list&#xa0;» l’affiche et que la fenêtre de liste la montre, comptée à partir de 1&#xa0;; une ligne au-delà de l’historique est refusée avec le nombre d’entrées existantes.</translation>
    </message>
    <message>
        <source>Print the history, top row first</source>
        <translation>Afficher l’historique, la ligne du haut en premier</translation>
    </message>
    <message>
        <source>Prints the history in the list window&apos;s order: the pinned entries, then the others newest first. Each line holds the row number (followed by * for a pinned entry), a tab, and the entry on one line: white space runs become one space, control characters show as symbols, and long entries end in &quot;…&quot;.</source>
        <translation>Affiche l’historique dans l’ordre de la fenêtre de liste&#xa0;: les entrées épinglées, puis les autres, les plus récentes d’abord. Chaque ligne contient le numéro de ligne (suivi de * pour une entrée épinglée), une tabulation et l’entrée sur une ligne&#xa0;: les suites d’espaces deviennent une espace, les caractères de contrôle s’affichent en symboles et les longues entrées finissent par «&#xa0;…&#xa0;».</translation>
    </message>
    <message>
        <source>Print the entries that contain TEXT</source>
        <translation>Afficher les entrées qui contiennent TEXT</translation>
    </message>
    <message>
        <source>Prints the entries that contain TEXT, ignoring case, with their row numbers, in the form of &quot;tavrin list&quot;. An empty TEXT matches nothing.</source>
        <translation>Affiche les entrées qui contiennent TEXT, sans tenir compte de la casse, avec leurs numéros de ligne, sous la forme de «&#xa0;tavrin list&#xa0;». Un TEXT vide ne correspond à rien.</translation>
    </message>
    <message>
        <source>Put entry N on the clipboard</source>
        <translation>Mettre l’entrée N dans le presse-papiers</translation>
    </message>
    <message>
        <source>Puts entry N on the clipboard, a file or folder as a file.</source>
        <translation>Met l’entrée N dans le presse-papiers, un fichier ou un dossier en tant que fichier.</translation>
    </message>
    <message>
        <source>Paste entry N into the window that has the focus</source>
        <translation>Coller l’entrée N dans la fenêtre qui a le focus</translation>
    </message>
    <message>
        <source>Puts entry N on the clipboard and pastes it into the window that had the focus when the command ran, as Ctrl+N does in the list window. A folder is pasted once it is confirmed.</source>
        <translation>Met l’entrée N dans le presse-papiers et la colle dans la fenêtre qui avait le focus au lancement de la commande, comme Ctrl+N dans la fenêtre de liste. Un dossier est collé une fois confirmé.</translation>
    </message>
    <message>
        <source>Copy TEXT, or standard input, as a new entry</source>
        <translation>Copier TEXT, ou l’entrée standard, comme nouvelle entrée</translation>
    </message>
    <message>
        <source>Puts the text on the clipboard and at the top of the history, as if it had been copied. Without TEXT, or with -, the text is standard input, exactly as read (a final line break included). A text may hold up to %1 MiB of UTF-8; a larger one is refused, as is any text while recording is paused.</source>
        <translation>Met le texte dans le presse-papiers et en haut de l’historique, comme s’il avait été copié. Sans TEXT, ou avec -, le texte est l’entrée standard, exactement telle que lue (saut de ligne final compris). Un texte peut contenir jusqu’à %1 Mio d’UTF-8&#xa0;; un texte plus grand est refusé, comme tout texte pendant que l’enregistrement est suspendu.</translation>
    </message>
    <message>
        <source>Remove entry N from the history</source>
        <translation>Supprimer l’entrée N de l’historique</translation>
    </message>
    <message>
        <source>Removes entry N, pinned or not.</source>
        <translation>Supprime l’entrée N, épinglée ou non.</translation>
    </message>
    <message>
        <source>Pin entry N</source>
        <translation>Épingler l’entrée N</translation>
    </message>
    <message>
        <source>Pins entry N: it moves to the bottom of the pinned entries at the top of the list. At most nine entries are pinned.</source>
        <translation>Épingle l’entrée N&#xa0;: elle passe en bas des entrées épinglées en haut de la liste. Au plus neuf entrées sont épinglées.</translation>
    </message>
    <message>
        <source>Unpin entry N</source>
        <translation>Détacher l’entrée N</translation>
    </message>
    <message>
        <source>Unpins entry N: it moves to just below the pinned entries.</source>
        <translation>Détache l’entrée N&#xa0;: elle passe juste sous les entrées épinglées.</translation>
    </message>
    <message>
        <source>Remove every entry, pinned ones too</source>
        <translation>Supprimer toutes les entrées, épinglées comprises</translation>
    </message>
    <message>
        <source>Removes every entry of the history, pinned ones included, as &quot;Clear Clipboard&quot; does. --yes confirms it.</source>
        <translation>Supprime toutes les entrées de l’historique, épinglées comprises, comme «&#xa0;Vider le presse-papiers&#xa0;». --yes le confirme.</translation>
    </message>
    <message>
        <source>Confirm that the whole history goes.</source>
        <translation>Confirmer que tout l’historique est supprimé.</translation>
    </message>
    <message>
        <source>Show the list window</source>
        <translation>Afficher la fenêtre de liste</translation>
    </message>
    <message>
        <source>Shows the list window, as the tray icon and the shortcut do.</source>
        <translation>Affiche la fenêtre de liste, comme l’icône de la zone de notification et le raccourci.</translation>
    </message>
    <message>
        <source>Show the main window instead.</source>
        <translation>Afficher plutôt la fenêtre principale.</translation>
    </message>
    <message>
        <source>Switch sequential paste mode on or off</source>
        <translation>Activer ou désactiver le mode de collage séquentiel</translation>
    </message>
    <message>
        <source>Shows or hides the sequential paste queue, which switches sequential mode on or off, and prints the new state.</source>
        <translation>Affiche ou masque la file de collage séquentiel, ce qui active ou désactive le mode séquentiel, et affiche le nouvel état.</translation>
    </message>
    <message>
        <source>Paste the next entry of the sequential paste queue</source>
        <translation>Coller l’entrée suivante de la file de collage séquentiel</translation>
    </message>
    <message>
        <source>Takes the next entry off the sequential paste queue, oldest or newest first as the Preferences say, and pastes it into the window that has the focus, as the sequential paste shortcut does. Fails when the queue is empty. Bind it to a key in the desktop&apos;s own key settings where Tavrin cannot take shortcuts itself.</source>
        <translation>Retire l’entrée suivante de la file de collage séquentiel, la plus ancienne ou la plus récente d’abord selon les Préférences, et la colle dans la fenêtre qui a le focus, comme le raccourci de collage séquentiel. Échoue quand la file est vide. Associez-la à une touche dans les réglages clavier du bureau là où Tavrin ne peut pas prendre de raccourcis lui-même.</translation>
    </message>
    <message>
        <source>Stop recording copies</source>
        <translation>Arrêter d’enregistrer les copies</translation>
    </message>
    <message>
        <source>Stops recording: until &quot;tavrin resume&quot;, or until Tavrin starts again, nothing copied goes into the history, and what was copied meanwhile is not recorded later.</source>
        <translation>Suspend l’enregistrement&#xa0;: jusqu’à «&#xa0;tavrin resume&#xa0;», ou jusqu’au prochain lancement de Tavrin, rien de ce qui est copié n’entre dans l’historique, et ce qui a été copié entre-temps n’est pas enregistré plus tard.</translation>
    </message>
    <message>
        <source>Record copies again</source>
        <translation>Enregistrer de nouveau les copies</translation>
    </message>
    <message>
        <source>Records copies again from the next one on.</source>
        <translation>Enregistre de nouveau les copies à partir de la suivante.</translation>
    </message>
    <message>
        <source>End the running Tavrin</source>
        <translation>Quitter le Tavrin en cours</translation>
    </message>
    <message>
        <source>Ends the running Tavrin, which first writes a history save still waiting, and returns once it has ended.</source>
        <translation>Quitte le Tavrin en cours, qui écrit d’abord un enregistrement de l’historique encore en attente, et rend la main une fois qu’il s’est terminé.</translation>
    </message>
</context>
<context>
    <name>ControlBus</name>
    <message>
        <source>there is no entry %1: the history is empty</source>
        <translation>il n’y a pas d’entrée %1&#xa0;: l’historique est vide</translation>
    </message>
    <message>
        <source>there is no entry %1: the history has 1 entry, numbered from 1</source>
        <translation>il n’y a pas d’entrée %1&#xa0;: l’historique a 1 entrée, numérotée à partir de 1</translation>
    </message>
    <message numerus="yes">
        <source>there is no entry %1: the history has %n entries, numbered from 1</source>
        <translation>
            <numerusform>il n’y a pas d’entrée %1&#xa0;: l’historique a %n entrée, numérotée à partir de 1</numerusform>
            <numerusform>il n’y a pas d’entrée %1&#xa0;: l’historique a %n entrées, numérotées à partir de 1</numerusform>
        </translation>
    </message>
    <message>
        <source>the text is %1 bytes long in UTF-8; Tavrin adds texts of at most %2 bytes (%3 MiB)</source>
        <translation>le texte fait %1 octets en UTF-8&#xa0;; Tavrin ajoute des textes d’au plus %2 octets (%3 Mio)</translation>
    </message>
</context>
<context>
    <name>ControlClient</name>
    <message>
        <source>there is no D-Bus session bus (%1), so no running Tavrin can be reached</source>
        <translation>il n’y a pas de bus de session D-Bus (%1), aucun Tavrin en cours ne peut donc être joint</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non connecté</translation>
    </message>
    <message>
        <source>Tavrin is not running on display %1; start it with: tavrin</source>
        <translation>Tavrin ne tourne pas sur l’affichage %1&#xa0;; lancez-le avec&#xa0;: tavrin</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>the Tavrin running on display %1 does not take this command (%2)</source>
        <translation>le Tavrin en cours sur l’affichage %1 n’accepte pas cette commande (%2)</translation>
    </message>
    <message>
        <source>Tavrin on display %1 did not answer (%2)</source>
        <translation>Tavrin sur l’affichage %1 n’a pas répondu (%2)</translation>
    </message>
    <message>
        <source>the call to Tavrin failed: %1 (%2)</source>
        <translation>l’appel à Tavrin a échoué&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>the session bus does not pass file descriptors, which listing needs</source>
        <translation>le bus de session ne transmet pas de descripteurs de fichier, nécessaires pour lister</translation>
    </message>
    <message>
        <source>Tavrin answered without the list</source>
        <translation>Tavrin a répondu sans la liste</translation>
    </message>
    <message>
        <source>reading the list failed: %1</source>
        <translation>la lecture de la liste a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>Tavrin on display %1 did not end within %2 s</source>
        <translation>Tavrin sur l’affichage %1 ne s’est pas terminé en %2 s</translation>
    </message>
</context>
<context>
    <name>DataFolderLock</name>
    <message>
        <source>Tavrin is already running</source>
        <translation>Tavrin est déjà en cours d’exécution</translation>
    </message>
    <message>
        <source>Another Tavrin (%1) uses the clipboard history in %2. Two at once would overwrite each other&apos;s copies; quit the other one first.</source>
        <translation>Un autre Tavrin (%1) utilise l’historique du presse-papiers dans %2. Deux à la fois écraseraient mutuellement leurs copies&#xa0;; quittez d’abord l’autre.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>another process</source>
        <translation>un autre processus</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>processus %1 sur %2</translation>
    </message>
</context>
<context>
    <name>DesktopReasons</name>
    <message>
        <source>an autostart entry starts tavrin-launcher when you log in</source>
        <translation>une entrée de démarrage automatique lance tavrin-launcher à la connexion</translation>
    </message>
    <message>
        <source>the Tavrin extension of GNOME Shell reports every copy</source>
        <translation>l’extension Tavrin de GNOME Shell signale chaque copie</translation>
    </message>
    <message>
        <source>keys are typed through the Tavrin extension of GNOME Shell</source>
        <translation>les touches sont tapées par l’extension Tavrin de GNOME Shell</translation>
    </message>
    <message>
        <source>the Tavrin extension of GNOME Shell takes them; GNOME&apos;s own shortcuts stay GNOME&apos;s</source>
        <translation>l’extension Tavrin de GNOME Shell les prend&#xa0;; les raccourcis propres à GNOME restent à GNOME</translation>
    </message>
    <message>
        <source>the panel shows status icons (StatusNotifierItem)</source>
        <translation>le tableau de bord affiche les icônes d’état (StatusNotifierItem)</translation>
    </message>
    <message>
        <source>This key cannot be a shortcut on GNOME.</source>
        <translation>Cette touche ne peut pas servir de raccourci sous GNOME.</translation>
    </message>
    <message>
        <source>This desktop lets no program take global shortcuts.</source>
        <translation>Cet environnement de bureau ne laisse aucun programme prendre de raccourcis globaux.</translation>
    </message>
    <message>
        <source>keys are typed through the compositor&apos;s virtual keyboard</source>
        <translation>les touches sont tapées par le clavier virtuel du compositeur</translation>
    </message>
    <message>
        <source>this desktop does not let programs take shortcuts: bind Tavrin&apos;s commands in the desktop&apos;s own key settings</source>
        <translation>cet environnement de bureau ne laisse pas les programmes prendre des raccourcis&#xa0;: associez les commandes de Tavrin dans les réglages clavier du bureau</translation>
    </message>
    <message>
        <source>no panel on this desktop shows status icons</source>
        <translation>aucun tableau de bord de cet environnement n’affiche d’icônes d’état</translation>
    </message>
    <message>
        <source>Global shortcuts need an X display, and none can be reached.</source>
        <translation>Les raccourcis globaux nécessitent un affichage X, et aucun n’est joignable.</translation>
    </message>
    <message>
        <source>The keyboard layout of the X display cannot be read.</source>
        <translation>La disposition du clavier de l’affichage X ne peut pas être lue.</translation>
    </message>
    <message>
        <source>a system tray shows the icon</source>
        <translation>une zone de notification affiche l’icône</translation>
    </message>
    <message>
        <source>no system tray was running at start; the list opens with its shortcut or a second start</source>
        <translation>aucune zone de notification ne tournait au lancement&#xa0;; la liste s’ouvre avec son raccourci ou un second lancement</translation>
    </message>
    <message>
        <source>no X server could be reached</source>
        <translation>aucun serveur X n’a pu être joint</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>captures de touches sur le serveur X</translation>
    </message>
    <message>
        <source>the keyboard layout of the X server cannot be read</source>
        <translation>la disposition du clavier du serveur X ne peut pas être lue</translation>
    </message>
    <message>
        <source>XFixes tells every change of the clipboard&apos;s owner</source>
        <translation>XFixes signale chaque changement de propriétaire du presse-papiers</translation>
    </message>
    <message>
        <source>the display offers no XFixes extension</source>
        <translation>l’affichage n’offre pas l’extension XFixes</translation>
    </message>
    <message>
        <source>the paste keys are typed through XTEST</source>
        <translation>les touches de collage sont tapées par XTEST</translation>
    </message>
    <message>
        <source>the display offers no XTEST extension</source>
        <translation>l’affichage n’offre pas l’extension XTEST</translation>
    </message>
    <message>
        <source>this desktop cannot start programs at login</source>
        <translation>cet environnement de bureau ne peut pas lancer de programmes à la connexion</translation>
    </message>
    <message>
        <source>keys are typed through the desktop&apos;s RemoteDesktop portal</source>
        <translation>les touches sont saisies par le portail RemoteDesktop du bureau</translation>
    </message>
    <message>
        <source>this desktop does not let programs type keys; the entry is put on the clipboard and Ctrl+V pastes it</source>
        <translation>ce bureau ne permet pas aux programmes de saisir des touches ; l&apos;élément est placé dans le presse-papiers et Ctrl+V le colle</translation>
    </message>
    <message>
        <source>KDE&apos;s shortcut service takes them; System Settings lists them under Tavrin</source>
        <translation>le service de raccourcis de KDE les prend en charge ; la Configuration du système les liste sous Tavrin</translation>
    </message>
    <message>
        <source>it is not running (not a KDE Plasma session)</source>
        <translation>il ne fonctionne pas (pas une session KDE Plasma)</translation>
    </message>
    <message>
        <source>the desktop&apos;s GlobalShortcuts portal takes them, after asking in its own dialog</source>
        <translation>le portail GlobalShortcuts du bureau les prend en charge, après avoir demandé dans sa propre boîte de dialogue</translation>
    </message>
</context>
<context>
    <name>GuideHelpPage</name>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Le dossier %1 n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The help page is missing from this build of Tavrin.</source>
        <translation>La page d’aide manque dans cette version de Tavrin.</translation>
    </message>
    <message>
        <source>The help page could not be written to %1.</source>
        <translation>La page d’aide n’a pas pu être écrite dans %1.</translation>
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
        <translation>Abonnement réussi</translation>
    </message>
    <message>
        <source>You have Successfully Subscribed for our Newslatter.</source>
        <translation>Vous êtes bien abonné à notre lettre d’information.</translation>
    </message>
    <message>
        <source>Already Subscribed</source>
        <translation>Déjà abonné</translation>
    </message>
    <message>
        <source>The email address &quot;%1&quot; already has an Active Subscription.</source>
        <translation>L’adresse électronique «&#xa0;%1&#xa0;» a déjà un abonnement actif.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>There was an error in processing your request. Please try again later.</source>
        <translation>Une erreur s’est produite lors du traitement de votre demande. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Email cannot be blank</source>
        <translation>L’adresse électronique ne peut pas être vide</translation>
    </message>
    <message>
        <source>Please enter a valid Email address</source>
        <translation>Veuillez saisir une adresse électronique valide</translation>
    </message>
    <message>
        <source>Invalid Email</source>
        <translation>Adresse électronique non valide</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>Quick access shortcut</source>
        <translation>Raccourci d’accès rapide</translation>
    </message>
    <message>
        <source>Sequential paste on or off shortcut</source>
        <translation>Raccourci d’activation du collage séquentiel</translation>
    </message>
    <message>
        <source>Paste next shortcut</source>
        <translation>Raccourci «&#xa0;Coller le suivant&#xa0;»</translation>
    </message>
    <message>
        <source>Clear quick access shortcut</source>
        <translation>Effacer le raccourci d’accès rapide</translation>
    </message>
    <message>
        <source>Clear sequential paste on or off shortcut</source>
        <translation>Effacer le raccourci d’activation du collage séquentiel</translation>
    </message>
    <message>
        <source>Clear paste next shortcut</source>
        <translation>Effacer le raccourci «&#xa0;Coller le suivant&#xa0;»</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Click here to enter shortcut</source>
        <translation>Cliquez ici pour saisir un raccourci</translation>
    </message>
    <message>
        <source>Please use a different key combination.</source>
        <translation>Veuillez utiliser une autre combinaison de touches.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>No Entries</source>
        <translation>Aucune entrée</translation>
    </message>
    <message>
        <source>Show Clipboard</source>
        <translation>Afficher le presse-papiers</translation>
    </message>
</context>
<context>
    <name>tavrin::AboutPane</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Tavrin icon</source>
        <translation>Icône de Tavrin</translation>
    </message>
    <message>
        <source>Version unknown</source>
        <translation>Version inconnue</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Tavrin keeps every text and file you copy, so that you can copy or paste it again whenever you need it.</source>
        <translation>Tavrin conserve chaque texte et chaque fichier que vous copiez, pour que vous puissiez les copier ou les coller à nouveau quand vous en avez besoin.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Rate Tavrin</source>
        <translation>Évaluer Tavrin</translation>
    </message>
</context>
<context>
    <name>tavrin::AppActions</name>
    <message>
        <source>Manage Clipboard</source>
        <translation>Gérer le presse-papiers</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <translation>Vider le presse-papiers</translation>
    </message>
    <message>
        <source>Show Sequential Paste Queue</source>
        <translation>Afficher la file de collage séquentiel</translation>
    </message>
    <message>
        <source>Clear Sequential Paste Queue</source>
        <translation>Vider la file de collage séquentiel</translation>
    </message>
    <message>
        <source>Pause Recording</source>
        <translation>Suspendre l’enregistrement</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Hide Sequential Paste Queue</source>
        <translation>Masquer la file de collage séquentiel</translation>
    </message>
    <message>
        <source>Resume Recording</source>
        <translation>Reprendre l’enregistrement</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>Supprimer tous les éléments&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the entire Clipboard?.</source>
        <translation>Voulez-vous vraiment vider tout le presse-papiers&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Show Tooltip</source>
        <translation>Afficher l’infobulle</translation>
    </message>
</context>
<context>
    <name>tavrin::AppShell</name>
    <message>
        <source>Copied: press Ctrl+V</source>
        <translation>Copié&#xa0;: appuyez sur Ctrl+V</translation>
    </message>
</context>
<context>
    <name>tavrin::AppShortcuts</name>
    <message>
        <source>The key stored for this shortcut, &quot;%1&quot;, cannot be used here.</source>
        <translation>La touche enregistrée pour ce raccourci, «&#xa0;%1&#xa0;», ne peut pas être utilisée ici.</translation>
    </message>
</context>
<context>
    <name>tavrin::ClipboardPane</name>
    <message>
        <source>Clipboard</source>
        <translation>Presse-papiers</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>Historique du presse-papiers</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>Supprimer cet élément</translation>
    </message>
    <message>
        <source>Clear entire Clipboard items</source>
        <translation>Effacer tous les éléments du presse-papiers</translation>
    </message>
    <message>
        <source>Unpin this Item</source>
        <translation>Détacher cet élément</translation>
    </message>
    <message>
        <source>Pin this Item</source>
        <translation>Épingler cet élément</translation>
    </message>
    <message>
        <source>Add to Custom Clipboard</source>
        <translation>Ajouter à un presse-papiers personnalisé</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>Supprimer l’élément sélectionné&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>Voulez-vous vraiment supprimer l’élément sélectionné&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>Supprimer tous les éléments&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the entire Clipboard?.</source>
        <translation>Voulez-vous vraiment vider tout le presse-papiers&#xa0;?</translation>
    </message>
</context>
<context>
    <name>tavrin::ControlService</name>
    <message>
        <source>the listing option &quot;%1&quot; is unknown or has a wrong value</source>
        <translation>l’option de liste «&#xa0;%1&#xa0;» est inconnue ou a une valeur erronée</translation>
    </message>
    <message>
        <source>cannot open a channel for the list: %1</source>
        <translation>impossible d’ouvrir un canal pour la liste&#xa0;: %1</translation>
    </message>
    <message>
        <source>recording is paused, so nothing is added; resume it first</source>
        <translation>l’enregistrement est suspendu, rien n’est donc ajouté&#xa0;; reprenez-le d’abord</translation>
    </message>
    <message>
        <source>an empty text is not added</source>
        <translation>un texte vide n’est pas ajouté</translation>
    </message>
    <message>
        <source>entry %1 is pinned already</source>
        <translation>l’entrée %1 est déjà épinglée</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are pinned already, the most there can be; unpin one first</source>
        <translation>
            <numerusform>%n entrée est déjà épinglée, le maximum possible&#xa0;; détachez-en une d’abord</numerusform>
            <numerusform>%n entrées sont déjà épinglées, le maximum possible&#xa0;; détachez-en une d’abord</numerusform>
        </translation>
    </message>
    <message>
        <source>entry %1 is not pinned</source>
        <translation>l’entrée %1 n’est pas épinglée</translation>
    </message>
    <message>
        <source>the sequential paste queue is empty: nothing to paste</source>
        <translation>la file de collage séquentiel est vide&#xa0;: rien à coller</translation>
    </message>
</context>
<context>
    <name>tavrin::CopiedToast</name>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
</context>
<context>
    <name>tavrin::CopyDroppedNotice</name>
    <message>
        <source>The application that copied</source>
        <translation>L’application qui a copié</translation>
    </message>
    <message>
        <source>Tavrin did not record a copy</source>
        <translation>Tavrin n’a pas enregistré une copie</translation>
    </message>
    <message>
        <source>%1 took longer than %2 s to hand over what was copied, so it is not in the history. The setting %3 sets how long Tavrin waits.</source>
        <translation>%1 a mis plus de %2 s à transmettre ce qui a été copié, qui n’est donc pas dans l’historique. Le réglage %3 définit combien de temps Tavrin attend.</translation>
    </message>
</context>
<context>
    <name>tavrin::DesktopSupportView</name>
    <message>
        <source>Show the list</source>
        <translation>Afficher la liste</translation>
    </message>
    <message>
        <source>Switch sequential paste on or off</source>
        <translation>Activer ou désactiver le collage séquentiel</translation>
    </message>
    <message>
        <source>Paste the next entry of the sequential queue</source>
        <translation>Coller l’entrée suivante de la file séquentielle</translation>
    </message>
    <message>
        <source>This desktop</source>
        <translation>Cet environnement de bureau</translation>
    </message>
    <message>
        <source>Session: %1</source>
        <translation>Session&#xa0;: %1</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Raccourcis globaux</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Icône de la zone de notification</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>To make it work, run:</source>
        <translation>Pour que cela fonctionne, exécutez&#xa0;:</translation>
    </message>
    <message>
        <source>The command that makes it work</source>
        <translation>La commande qui le fait fonctionner</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy &quot;%1&quot;</source>
        <translation>Copier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Works</source>
        <translation>Fonctionne</translation>
    </message>
    <message>
        <source>Does not work</source>
        <translation>Ne fonctionne pas</translation>
    </message>
    <message>
        <source>Not every shortcut works</source>
        <translation>Certains raccourcis ne fonctionnent pas</translation>
    </message>
    <message>
        <source>Global shortcuts: %1</source>
        <translation>Raccourcis globaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>This desktop does not let programs take shortcuts. Bind these commands to keys in the desktop&apos;s own key settings:</source>
        <translation>Cet environnement de bureau ne laisse pas les programmes prendre des raccourcis. Associez ces commandes à des touches dans les réglages clavier du bureau&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tavrin::DimmingLayer</name>
    <message>
        <source>Dimming</source>
        <translation>Assombrissement</translation>
    </message>
</context>
<context>
    <name>tavrin::FileOrFolderDialog</name>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupListModel</name>
    <message>
        <source>Clipboard</source>
        <translation>Presse-papiers</translation>
    </message>
    <message>
        <source>Custom Clipboards</source>
        <translation>Presse-papiers personnalisés</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupListView</name>
    <message>
        <source>Remove this Clipboard</source>
        <translation>Supprimer ce presse-papiers</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Supprimer %1</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupPane</name>
    <message>
        <source>Add a file or folder to paste at a later time</source>
        <translation>Ajouter un fichier ou un dossier à coller plus tard</translation>
    </message>
    <message>
        <source>Please select a file/folder to add to Clipboard for Quick copy and pasting</source>
        <translation>Veuillez choisir un fichier ou un dossier à ajouter au presse-papiers pour le copier et le coller rapidement</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Presse-papiers</translation>
    </message>
    <message>
        <source>Clipboard items</source>
        <translation>Éléments du presse-papiers</translation>
    </message>
    <message>
        <source>Add a file or folder</source>
        <translation>Ajouter un fichier ou un dossier</translation>
    </message>
    <message>
        <source>No files found</source>
        <translation>Aucun fichier trouvé</translation>
    </message>
    <message>
        <source>Add a file or folder with the + button, or drop files onto this Clipboard&apos;s name in the sidebar.</source>
        <translation>Ajoutez un fichier ou un dossier avec le bouton +, ou déposez des fichiers sur le nom de ce presse-papiers dans le panneau latéral.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>Supprimer cet élément</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>Supprimer l’élément sélectionné&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>Voulez-vous vraiment supprimer l’élément sélectionné&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>Supprimer tous les éléments&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all the items from this Clipboard?</source>
        <translation>Voulez-vous vraiment supprimer tous les éléments de ce presse-papiers&#xa0;?</translation>
    </message>
</context>
<context>
    <name>tavrin::HistoryRowDelegate</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
</context>
<context>
    <name>tavrin::ListPane</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>tavrin::MainWindowContent</name>
    <message>
        <source>Pane</source>
        <translation>Panneau</translation>
    </message>
</context>
<context>
    <name>tavrin::NewsletterForm</name>
    <message>
        <source>Subscribe</source>
        <translation>S’abonner</translation>
    </message>
    <message>
        <source>Hear about new versions: leave your e-mail address for our newsletter.</source>
        <translation>Soyez informé des nouvelles versions&#xa0;: laissez votre adresse électronique pour notre lettre d’information.</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Adresse électronique</translation>
    </message>
</context>
<context>
    <name>tavrin::PasteAccessGuide</name>
    <message>
        <source>Tavrin cannot paste here</source>
        <translation>Tavrin ne peut pas coller ici</translation>
    </message>
    <message>
        <source>Tavrin pastes by typing Ctrl+V for you. That needs an X11 session with the XTEST extension, and this session has none. Your entry is on the clipboard: press Ctrl+V to paste it yourself.</source>
        <translation>Tavrin colle en tapant Ctrl+V à votre place. Cela nécessite une session X11 avec l’extension XTEST, et cette session n’en a pas. Votre entrée est dans le presse-papiers&#xa0;: appuyez sur Ctrl+V pour la coller vous-même.</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Étape 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Étape 2</translation>
    </message>
    <message>
        <source>How to Make Pasting Work</source>
        <translation>Comment faire fonctionner le collage</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No program could open the help page. You find it at %1</source>
        <translation>Aucun programme n’a pu ouvrir la page d’aide. Vous la trouverez dans %1</translation>
    </message>
</context>
<context>
    <name>tavrin::PreferencesPane</name>
    <message>
        <source>Start pasting from first copied item to last</source>
        <translation>Coller du premier élément copié au dernier</translation>
    </message>
    <message>
        <source>Start pasting from Last copied item to first</source>
        <translation>Coller du dernier élément copié au premier</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Play interaction sounds</source>
        <translation>Jouer les sons d’interaction</translation>
    </message>
    <message>
        <source>Start Tavrin at login</source>
        <translation>Lancer Tavrin à la connexion</translation>
    </message>
    <message>
        <source>This desktop gives programs no way to start with the session.</source>
        <translation>Cet environnement de bureau ne permet pas aux programmes de se lancer avec la session.</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Click a box, then press the keys: at least one of Ctrl, Alt, Shift or Super with another key. The shortcuts work in every application.</source>
        <translation>Cliquez sur une case, puis appuyez sur les touches&#xa0;: au moins l’une de Ctrl, Alt, Maj ou Super avec une autre touche. Les raccourcis fonctionnent dans toutes les applications.</translation>
    </message>
    <message>
        <source>This desktop does not let programs take shortcuts: bind the commands under &quot;This desktop&quot; below in the desktop&apos;s own keyboard settings.</source>
        <translation>Cet environnement de bureau ne laisse pas les programmes prendre des raccourcis&#xa0;: associez les commandes indiquées sous «&#xa0;Cet environnement de bureau&#xa0;» ci-dessous dans les réglages clavier du bureau.</translation>
    </message>
    <message>
        <source>Show the clipboard list</source>
        <translation>Afficher la liste du presse-papiers</translation>
    </message>
    <message>
        <source>Sequential Queue</source>
        <translation>File séquentielle</translation>
    </message>
    <message>
        <source>Record both shortcuts below. Press the first to start sequential paste: every text or file you copy then joins the queue, shown in a small window. Each press of the second pastes the next queued entry into the application in front, in the order chosen here. Press the first again, or close the queue window, to stop.</source>
        <translation>Enregistrez les deux raccourcis ci-dessous. Appuyez sur le premier pour lancer le collage séquentiel&#xa0;: chaque texte ou fichier que vous copiez rejoint alors la file, affichée dans une petite fenêtre. Chaque appui sur le second colle l’entrée suivante de la file dans l’application au premier plan, dans l’ordre choisi ici. Appuyez à nouveau sur le premier, ou fermez la fenêtre de la file, pour arrêter.</translation>
    </message>
    <message>
        <source>Sequential paste on or off</source>
        <translation>Activer ou désactiver le collage séquentiel</translation>
    </message>
    <message>
        <source>Paste the next queued entry</source>
        <translation>Coller l’entrée suivante de la file</translation>
    </message>
    <message>
        <source>Paste order</source>
        <translation>Ordre de collage</translation>
    </message>
    <message>
        <source>Clear this shortcut</source>
        <translation>Effacer ce raccourci</translation>
    </message>
    <message>
        <source>Does not work: %1</source>
        <translation>Ne fonctionne pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>Tavrin could not be set to start at login.</source>
        <translation>Tavrin n’a pas pu être configuré pour se lancer à la connexion.</translation>
    </message>
    <message>
        <source>Tavrin could not be kept from starting at login.</source>
        <translation>Le lancement de Tavrin à la connexion n’a pas pu être désactivé.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Waiting for the desktop to allow it</source>
        <translation>En attente de l&apos;autorisation du bureau</translation>
    </message>
</context>
<context>
    <name>tavrin::QueueListModel</name>
    <message>
        <source>Pasted next</source>
        <translation>Collé ensuite</translation>
    </message>
    <message>
        <source>pasted next</source>
        <translation>collé ensuite</translation>
    </message>
</context>
<context>
    <name>tavrin::QuickListView</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>Supprimer cet élément</translation>
    </message>
    <message>
        <source>Unpin this Item</source>
        <translation>Détacher cet élément</translation>
    </message>
    <message>
        <source>Pin this Item</source>
        <translation>Épingler cet élément</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>Supprimer l’élément sélectionné&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>Voulez-vous vraiment supprimer l’élément sélectionné&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Presse-papiers</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Show the Clipboard or a Custom Clipboard</source>
        <translation>Afficher le presse-papiers ou un presse-papiers personnalisé</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>Historique du presse-papiers</translation>
    </message>
    <message>
        <source>Shown list: %1</source>
        <translation>Liste affichée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tavrin::SaveNotices</name>
    <message>
        <source>Tavrin kept a damaged file aside</source>
        <translation>Tavrin a mis de côté un fichier endommagé</translation>
    </message>
    <message>
        <source>%1 could not be read whole (%2). It is kept as %3, and Tavrin saves in its place.</source>
        <translation>%1 n’a pas pu être lu en entier (%2). Il est conservé sous %3, et Tavrin enregistre à sa place.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The history is saved to %3 from now on.</source>
        <translation>%1 ne peut pas être utilisé&#xa0;: %2. L’historique est désormais enregistré dans %3.</translation>
    </message>
    <message>
        <source>Its entries were read from %1, which is left as it is.</source>
        <translation>Ses entrées ont été lues depuis %1, qui reste tel quel.</translation>
    </message>
    <message>
        <source>Tavrin saves the clipboard history in another file</source>
        <translation>Tavrin enregistre l’historique du presse-papiers dans un autre fichier</translation>
    </message>
    <message>
        <source>Tavrin cannot save the clipboard history</source>
        <translation>Tavrin ne peut pas enregistrer l’historique du presse-papiers</translation>
    </message>
    <message>
        <source>%1: %2. What you copy stays in memory, and Tavrin keeps trying.</source>
        <translation>%1&#xa0;: %2. Ce que vous copiez reste en mémoire, et Tavrin continue d’essayer.</translation>
    </message>
    <message>
        <source>Tavrin saves the clipboard history again</source>
        <translation>Tavrin enregistre de nouveau l’historique du presse-papiers</translation>
    </message>
    <message>
        <source>Tavrin cannot save its settings</source>
        <translation>Tavrin ne peut pas enregistrer ses réglages</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Tavrin saves its settings again</source>
        <translation>Tavrin enregistre de nouveau ses réglages</translation>
    </message>
    <message>
        <source>Tavrin cannot save a group</source>
        <translation>Tavrin ne peut pas enregistrer un groupe</translation>
    </message>
    <message>
        <source>Tavrin saves the group again</source>
        <translation>Tavrin enregistre de nouveau le groupe</translation>
    </message>
</context>
<context>
    <name>tavrin::SequentialQueueView</name>
    <message>
        <source>In order to use the Sequential paste option, follow the instructions under Sequential Queue in Preferences.</source>
        <translation>Pour utiliser le collage séquentiel, suivez les instructions de la section «&#xa0;File séquentielle&#xa0;» des Préférences.</translation>
    </message>
    <message>
        <source>Sequential Paste Queue</source>
        <translation>File de collage séquentiel</translation>
    </message>
    <message>
        <source>Close the queue and end sequential paste</source>
        <translation>Fermer la file et terminer le collage séquentiel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Queued entries</source>
        <translation>Entrées de la file</translation>
    </message>
    <message>
        <source>Queue entry</source>
        <translation>Entrée de la file</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Tout supprimer</translation>
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
        <translation>File de collage séquentiel</translation>
    </message>
</context>
<context>
    <name>tavrin::ShortcutRecorderBox</name>
    <message>
        <source>Recording: press the new shortcut. %1</source>
        <translation>Enregistrement&#xa0;: appuyez sur le nouveau raccourci. %1</translation>
    </message>
</context>
<context>
    <name>tavrin::ShownListModel</name>
    <message>
        <source>pinned</source>
        <translation>épinglé</translation>
    </message>
</context>
<context>
    <name>tavrin::Sidebar</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>A Clipboard name cannot contain a slash (/).</source>
        <translation>Le nom d’un presse-papiers ne peut pas contenir de barre oblique (/).</translation>
    </message>
    <message>
        <source>A Clipboard name cannot contain a null character.</source>
        <translation>Le nom d’un presse-papiers ne peut pas contenir de caractère nul.</translation>
    </message>
    <message>
        <source>A Clipboard cannot be named &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Un presse-papiers ne peut pas s’appeler «&#xa0;.&#xa0;» ou «&#xa0;..&#xa0;».</translation>
    </message>
    <message>
        <source>The name &quot;myfile&quot; belongs to the Clipboard history&apos;s own file.</source>
        <translation>Le nom «&#xa0;myfile&#xa0;» appartient au fichier de l’historique du presse-papiers.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Panneau latéral</translation>
    </message>
    <message>
        <source>Clipboard and Custom Clipboards</source>
        <translation>Presse-papiers et presse-papiers personnalisés</translation>
    </message>
    <message>
        <source>Preferences and About</source>
        <translation>Préférences et À propos</translation>
    </message>
    <message>
        <source>Add Clipboard</source>
        <translation>Ajouter un presse-papiers</translation>
    </message>
    <message>
        <source>Add a Clipboard</source>
        <translation>Ajouter un presse-papiers</translation>
    </message>
    <message>
        <source>Clipboard with the same name already exists.</source>
        <translation>Un presse-papiers du même nom existe déjà.</translation>
    </message>
    <message>
        <source>The Clipboard&apos;s items could not be saved under this name (it may be too long for a file name), so it keeps its name.</source>
        <translation>Les éléments du presse-papiers n’ont pas pu être enregistrés sous ce nom (il est peut-être trop long pour un nom de fichier)&#xa0;; il garde donc son nom.</translation>
    </message>
    <message>
        <source>Enter a valid name</source>
        <translation>Saisissez un nom valide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove selected Clipboard?</source>
        <translation>Supprimer le presse-papiers sélectionné&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected Clipboard? All the Items of this Clipboard will also be removed.</source>
        <translation>Voulez-vous vraiment supprimer le presse-papiers sélectionné&#xa0;? Tous ses éléments seront également supprimés.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>tavrin::SidebarRowDelegate</name>
    <message>
        <source>Clipboard name</source>
        <translation>Nom du presse-papiers</translation>
    </message>
</context>
<context>
    <name>tavrin::TrayIcon</name>
    <message>
        <source>Tavrin (recording paused)</source>
        <translation>Tavrin (enregistrement suspendu)</translation>
    </message>
</context>
<context>
    <name>tavrin::TrayMenuWindow</name>
    <message>
        <source>Tavrin Menu</source>
        <translation>Menu de Tavrin</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
</context>
<context>
    <name>tavrin::WelcomePane</name>
    <message>
        <source>Start Tavrin at login</source>
        <translation>Lancer Tavrin à la connexion</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Welcome to Tavrin</source>
        <translation>Bienvenue dans Tavrin</translation>
    </message>
    <message>
        <source>Tavrin keeps everything you copy, texts as well as files and folders, so that you can copy or paste it again later.</source>
        <translation>Tavrin conserve tout ce que vous copiez, textes comme fichiers et dossiers, pour que vous puissiez le copier ou le coller à nouveau plus tard.</translation>
    </message>
    <message>
        <source>Open the list of what you copied by clicking the Tavrin icon in the tray, or with a shortcut of your own.</source>
        <translation>Ouvrez la liste de ce que vous avez copié en cliquant sur l’icône de Tavrin dans la zone de notification, ou avec un raccourci de votre choix.</translation>
    </message>
    <message>
        <source>Record the shortcuts for the list and for pasting one item after another in Preferences.</source>
        <translation>Enregistrez dans les Préférences les raccourcis pour la liste et pour coller un élément après l’autre.</translation>
    </message>
    <message>
        <source>This desktop cannot start programs when you log in.</source>
        <translation>Cet environnement de bureau ne peut pas lancer de programmes à votre connexion.</translation>
    </message>
    <message>
        <source>Tavrin will not start at login</source>
        <translation>Tavrin ne se lancera pas à la connexion</translation>
    </message>
    <message>
        <source>%1. You can try again in Preferences.</source>
        <translation>%1. Vous pouvez réessayer dans les Préférences.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
