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
        <source>Show Tooltip</source>
        <translation>Afficher l’infobulle</translation>
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
