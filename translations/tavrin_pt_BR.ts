<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Alerts</name>
    <message>
        <source>Paste this Folder?</source>
        <translation>Colar esta pasta?</translation>
    </message>
    <message>
        <source>Are you sure you want to Paste this Folder with all its contents in the current destination?</source>
        <translation>Tem certeza de que deseja colar esta pasta com todo o seu conteúdo no destino atual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
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
Veja “%2”.
</translation>
    </message>
    <message>
        <source>%1: row numbers start at 1, so there is no row %2</source>
        <translation>%1: os números de linha começam em 1, então não existe a linha %2</translation>
    </message>
    <message>
        <source>%1: N is an entry&apos;s row, a whole number from 1 on, not &quot;%2&quot;</source>
        <translation>%1: N é a linha de uma entrada, um número inteiro a partir de 1, não “%2”</translation>
    </message>
    <message>
        <source>%1 needs --%2: %3</source>
        <translation>%1 precisa de --%2: %3</translation>
    </message>
    <message>
        <source>%1: --%2 takes a whole number up to %3, not &quot;%4&quot;</source>
        <translation>%1: --%2 aceita um número inteiro até %3, não “%4”</translation>
    </message>
    <message>
        <source>%1: --%2 takes a whole number, 0 or more, not &quot;%3&quot;</source>
        <translation>%1: --%2 aceita um número inteiro, 0 ou mais, não “%3”</translation>
    </message>
    <message>
        <source>%1 takes no arguments, but got &quot;%2&quot;</source>
        <translation>%1 não aceita argumentos, mas recebeu “%2”</translation>
    </message>
    <message>
        <source>%1 takes one %2, but got also &quot;%3&quot; (quote a text with spaces)</source>
        <translation>%1 aceita um %2, mas também recebeu “%3” (coloque entre aspas um texto com espaços)</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 precisa de %2</translation>
    </message>
    <message>
        <source>--backend needs a name: x11, wayland, gnome or auto</source>
        <translation>--backend precisa de um nome: x11, wayland, gnome ou auto</translation>
    </message>
    <message>
        <source>--backend starts Tavrin and takes no command, but got &quot;%1&quot;</source>
        <translation>--backend inicia o Tavrin e não aceita comandos, mas recebeu “%1”</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>não existe o comando “%1”</translation>
    </message>
    <message>
        <source>--help takes no arguments</source>
        <translation>--help não aceita argumentos</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version não aceita argumentos</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opção desconhecida “%1”</translation>
    </message>
    <message>
        <source>Usage: tavrin [COMMAND [OPTIONS] [ARGUMENT]]</source>
        <translation>Uso: tavrin [COMANDO [OPÇÕES] [ARGUMENTO]]</translation>
    </message>
    <message>
        <source>Tavrin keeps everything you copy. Without a command it starts, or shows the list of the Tavrin already running on this display. A command asks the running Tavrin.</source>
        <translation>O Tavrin guarda tudo o que você copia. Sem comando ele inicia, ou mostra a lista do Tavrin que já está em execução nesta tela. Um comando é enviado ao Tavrin em execução.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Show this help; &quot;tavrin COMMAND --help&quot; shows a command&apos;s.</source>
        <translation>Mostrar esta ajuda; “tavrin COMANDO --help” mostra a de um comando.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostrar a versão.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the command failed, 2 a wrong command line, 3 Tavrin is not running on this display.</source>
        <translation>Status de saída: 0 concluído, 1 o comando falhou, 2 linha de comando incorreta, 3 o Tavrin não está em execução nesta tela.</translation>
    </message>
    <message>
        <source>Usage: tavrin %1</source>
        <translation>Uso: tavrin %1</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ajuda.</translation>
    </message>
    <message>
        <source>Start on the desktop backend NAME: wayland, gnome, x11 or auto (the default: wayland where the compositor lets programs follow the clipboard, gnome in a GNOME Wayland session, else x11). The TAVRIN_BACKEND environment variable does the same.</source>
        <translation>Iniciar com o backend de ambiente NAME: wayland, gnome, x11 ou auto (o padrão: wayland onde o compositor permite que programas acompanhem a área de transferência, gnome em uma sessão Wayland do GNOME, senão x11). A variável de ambiente TAVRIN_BACKEND faz o mesmo.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Print a JSON array of objects with &quot;index&quot;, &quot;pinned&quot;, &quot;kind&quot; (&quot;text&quot;, &quot;file&quot; or &quot;folder&quot;) and &quot;text&quot;, the whole entry.</source>
        <translation>Imprimir um array JSON de objetos com &quot;index&quot;, &quot;pinned&quot;, &quot;kind&quot; (&quot;text&quot;, &quot;file&quot; ou &quot;folder&quot;) e &quot;text&quot;, a entrada inteira.</translation>
    </message>
    <message>
        <source>Print at most N entries (0: all, the default).</source>
        <translation>Imprimir no máximo N entradas (0: todas, o padrão).</translation>
    </message>
    <message>
        <source>Show at most N characters of each entry on its line (default 100; 0: all).</source>
        <translation>Mostrar no máximo N caracteres de cada entrada em sua linha (padrão 100; 0: todos).</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>não é possível ler a entrada padrão: %1</translation>
    </message>
    <message>
        <source>standard input holds more than %1 bytes (%2 MiB), the most Tavrin adds as one text; nothing was added</source>
        <translation>a entrada padrão contém mais de %1 bytes (%2 MiB), o máximo que o Tavrin adiciona como um texto; nada foi adicionado</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte; Tavrin adds texts only</source>
        <translation>a entrada padrão contém um byte NUL; o Tavrin adiciona apenas textos</translation>
    </message>
    <message>
        <source>standard input is not valid UTF-8; the invalid bytes were replaced</source>
        <translation>a entrada padrão não é UTF-8 válido; os bytes inválidos foram substituídos</translation>
    </message>
    <message>
        <source>N is the entry&apos;s row as &quot;tavrin list&quot; prints it and the list window shows it, counted from 1; a row beyond the history is refused with the number of entries there are.</source>
        <translation>N é a linha da entrada como “tavrin list” a imprime e a janela da lista a mostra, contada a partir de 1; uma linha além do histórico é recusada com o número de entradas existentes.</translation>
    </message>
    <message>
        <source>Print the history, top row first</source>
        <translation>Imprimir o histórico, a linha do topo primeiro</translation>
    </message>
    <message>
        <source>Prints the history in the list window&apos;s order: the pinned entries, then the others newest first. Each line holds the row number (followed by * for a pinned entry), a tab, and the entry on one line: white space runs become one space, control characters show as symbols, and long entries end in &quot;…&quot;.</source>
        <translation>Imprime o histórico na ordem da janela da lista: as entradas fixadas, depois as outras, as mais novas primeiro. Cada linha contém o número da linha (seguido de * para uma entrada fixada), uma tabulação e a entrada em uma linha: sequências de espaços viram um espaço, caracteres de controle aparecem como símbolos e entradas longas terminam em “…”.</translation>
    </message>
    <message>
        <source>Print the entries that contain TEXT</source>
        <translation>Imprimir as entradas que contêm TEXT</translation>
    </message>
    <message>
        <source>Prints the entries that contain TEXT, ignoring case, with their row numbers, in the form of &quot;tavrin list&quot;. An empty TEXT matches nothing.</source>
        <translation>Imprime as entradas que contêm TEXT, sem diferenciar maiúsculas e minúsculas, com seus números de linha, no formato de “tavrin list”. Um TEXT vazio não corresponde a nada.</translation>
    </message>
    <message>
        <source>Put entry N on the clipboard</source>
        <translation>Colocar a entrada N na área de transferência</translation>
    </message>
    <message>
        <source>Puts entry N on the clipboard, a file or folder as a file.</source>
        <translation>Coloca a entrada N na área de transferência, um arquivo ou uma pasta como arquivo.</translation>
    </message>
    <message>
        <source>Paste entry N into the window that has the focus</source>
        <translation>Colar a entrada N na janela que tem o foco</translation>
    </message>
    <message>
        <source>Puts entry N on the clipboard and pastes it into the window that had the focus when the command ran, as Ctrl+N does in the list window. A folder is pasted once it is confirmed.</source>
        <translation>Coloca a entrada N na área de transferência e a cola na janela que tinha o foco quando o comando foi executado, como Ctrl+N faz na janela da lista. Uma pasta é colada depois de confirmada.</translation>
    </message>
    <message>
        <source>Copy TEXT, or standard input, as a new entry</source>
        <translation>Copiar TEXT, ou a entrada padrão, como uma nova entrada</translation>
    </message>
    <message>
        <source>Puts the text on the clipboard and at the top of the history, as if it had been copied. Without TEXT, or with -, the text is standard input, exactly as read (a final line break included). A text may hold up to %1 MiB of UTF-8; a larger one is refused, as is any text while recording is paused.</source>
        <translation>Coloca o texto na área de transferência e no topo do histórico, como se tivesse sido copiado. Sem TEXT, ou com -, o texto é a entrada padrão, exatamente como lida (incluindo uma quebra de linha final). Um texto pode ter até %1 MiB de UTF-8; um maior é recusado, assim como qualquer texto enquanto o registro está pausado.</translation>
    </message>
    <message>
        <source>Remove entry N from the history</source>
        <translation>Remover a entrada N do histórico</translation>
    </message>
    <message>
        <source>Removes entry N, pinned or not.</source>
        <translation>Remove a entrada N, fixada ou não.</translation>
    </message>
    <message>
        <source>Pin entry N</source>
        <translation>Fixar a entrada N</translation>
    </message>
    <message>
        <source>Pins entry N: it moves to the bottom of the pinned entries at the top of the list. At most nine entries are pinned.</source>
        <translation>Fixa a entrada N: ela vai para o fim das entradas fixadas no topo da lista. No máximo nove entradas ficam fixadas.</translation>
    </message>
    <message>
        <source>Unpin entry N</source>
        <translation>Desafixar a entrada N</translation>
    </message>
    <message>
        <source>Unpins entry N: it moves to just below the pinned entries.</source>
        <translation>Desafixa a entrada N: ela vai para logo abaixo das entradas fixadas.</translation>
    </message>
    <message>
        <source>Remove every entry, pinned ones too</source>
        <translation>Remover todas as entradas, inclusive as fixadas</translation>
    </message>
    <message>
        <source>Removes every entry of the history, pinned ones included, as &quot;Clear Clipboard&quot; does. --yes confirms it.</source>
        <translation>Remove todas as entradas do histórico, inclusive as fixadas, como faz “Limpar área de transferência”. --yes confirma.</translation>
    </message>
    <message>
        <source>Confirm that the whole history goes.</source>
        <translation>Confirmar que todo o histórico será removido.</translation>
    </message>
    <message>
        <source>Show the list window</source>
        <translation>Mostrar a janela da lista</translation>
    </message>
    <message>
        <source>Shows the list window, as the tray icon and the shortcut do.</source>
        <translation>Mostra a janela da lista, como fazem o ícone da bandeja e o atalho.</translation>
    </message>
    <message>
        <source>Show the main window instead.</source>
        <translation>Mostrar a janela principal em vez disso.</translation>
    </message>
    <message>
        <source>Switch sequential paste mode on or off</source>
        <translation>Ativar ou desativar o modo de colagem sequencial</translation>
    </message>
    <message>
        <source>Shows or hides the sequential paste queue, which switches sequential mode on or off, and prints the new state.</source>
        <translation>Mostra ou oculta a fila de colagem sequencial, o que ativa ou desativa o modo sequencial, e imprime o novo estado.</translation>
    </message>
    <message>
        <source>Paste the next entry of the sequential paste queue</source>
        <translation>Colar a próxima entrada da fila de colagem sequencial</translation>
    </message>
    <message>
        <source>Takes the next entry off the sequential paste queue, oldest or newest first as the Preferences say, and pastes it into the window that has the focus, as the sequential paste shortcut does. Fails when the queue is empty. Bind it to a key in the desktop&apos;s own key settings where Tavrin cannot take shortcuts itself.</source>
        <translation>Retira a próxima entrada da fila de colagem sequencial, a mais antiga ou a mais nova primeiro conforme as Preferências, e a cola na janela que tem o foco, como faz o atalho de colagem sequencial. Falha quando a fila está vazia. Associe-o a uma tecla nas configurações de teclado do próprio ambiente onde o Tavrin não pode usar atalhos por conta própria.</translation>
    </message>
    <message>
        <source>Stop recording copies</source>
        <translation>Parar de registrar cópias</translation>
    </message>
    <message>
        <source>Stops recording: until &quot;tavrin resume&quot;, or until Tavrin starts again, nothing copied goes into the history, and what was copied meanwhile is not recorded later.</source>
        <translation>Para o registro: até “tavrin resume”, ou até o Tavrin iniciar de novo, nada do que for copiado entra no histórico, e o que foi copiado nesse meio-tempo não é registrado depois.</translation>
    </message>
    <message>
        <source>Record copies again</source>
        <translation>Registrar cópias novamente</translation>
    </message>
    <message>
        <source>Records copies again from the next one on.</source>
        <translation>Volta a registrar cópias a partir da próxima.</translation>
    </message>
    <message>
        <source>End the running Tavrin</source>
        <translation>Encerrar o Tavrin em execução</translation>
    </message>
    <message>
        <source>Ends the running Tavrin, which first writes a history save still waiting, and returns once it has ended.</source>
        <translation>Encerra o Tavrin em execução, que antes grava um salvamento do histórico ainda pendente, e retorna quando ele termina.</translation>
    </message>
</context>
<context>
    <name>ControlBus</name>
    <message>
        <source>there is no entry %1: the history is empty</source>
        <translation>não existe a entrada %1: o histórico está vazio</translation>
    </message>
    <message>
        <source>there is no entry %1: the history has 1 entry, numbered from 1</source>
        <translation>não existe a entrada %1: o histórico tem 1 entrada, numerada a partir de 1</translation>
    </message>
    <message numerus="yes">
        <source>there is no entry %1: the history has %n entries, numbered from 1</source>
        <translation>
            <numerusform>não existe a entrada %1: o histórico tem %n entrada, numerada a partir de 1</numerusform>
            <numerusform>não existe a entrada %1: o histórico tem %n entradas, numeradas a partir de 1</numerusform>
        </translation>
    </message>
    <message>
        <source>the text is %1 bytes long in UTF-8; Tavrin adds texts of at most %2 bytes (%3 MiB)</source>
        <translation>o texto tem %1 bytes em UTF-8; o Tavrin adiciona textos de no máximo %2 bytes (%3 MiB)</translation>
    </message>
</context>
<context>
    <name>ControlClient</name>
    <message>
        <source>there is no D-Bus session bus (%1), so no running Tavrin can be reached</source>
        <translation>não há barramento de sessão D-Bus (%1), então nenhum Tavrin em execução pode ser alcançado</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>não conectado</translation>
    </message>
    <message>
        <source>Tavrin is not running on display %1; start it with: tavrin</source>
        <translation>O Tavrin não está em execução na tela %1; inicie-o com: tavrin</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>the Tavrin running on display %1 does not take this command (%2)</source>
        <translation>o Tavrin em execução na tela %1 não aceita este comando (%2)</translation>
    </message>
    <message>
        <source>Tavrin on display %1 did not answer (%2)</source>
        <translation>O Tavrin na tela %1 não respondeu (%2)</translation>
    </message>
    <message>
        <source>the call to Tavrin failed: %1 (%2)</source>
        <translation>a chamada ao Tavrin falhou: %1 (%2)</translation>
    </message>
    <message>
        <source>the session bus does not pass file descriptors, which listing needs</source>
        <translation>o barramento de sessão não repassa descritores de arquivo, necessários para listar</translation>
    </message>
    <message>
        <source>Tavrin answered without the list</source>
        <translation>O Tavrin respondeu sem a lista</translation>
    </message>
    <message>
        <source>reading the list failed: %1</source>
        <translation>a leitura da lista falhou: %1</translation>
    </message>
    <message>
        <source>Tavrin on display %1 did not end within %2 s</source>
        <translation>O Tavrin na tela %1 não terminou em %2 s</translation>
    </message>
</context>
<context>
    <name>DataFolderLock</name>
    <message>
        <source>Tavrin is already running</source>
        <translation>O Tavrin já está em execução</translation>
    </message>
    <message>
        <source>Another Tavrin (%1) uses the clipboard history in %2. Two at once would overwrite each other&apos;s copies; quit the other one first.</source>
        <translation>Outro Tavrin (%1) usa o histórico da área de transferência em %2. Dois ao mesmo tempo sobrescreveriam as cópias um do outro; feche o outro primeiro.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>another process</source>
        <translation>outro processo</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>processo %1 em %2</translation>
    </message>
</context>
<context>
    <name>DesktopReasons</name>
    <message>
        <source>an autostart entry starts tavrin-launcher when you log in</source>
        <translation>uma entrada de inicialização automática inicia o tavrin-launcher ao entrar na sessão</translation>
    </message>
    <message>
        <source>the Tavrin extension of GNOME Shell reports every copy</source>
        <translation>a extensão do Tavrin para o GNOME Shell informa cada cópia</translation>
    </message>
    <message>
        <source>keys are typed through the Tavrin extension of GNOME Shell</source>
        <translation>as teclas são digitadas pela extensão do Tavrin para o GNOME Shell</translation>
    </message>
    <message>
        <source>the Tavrin extension of GNOME Shell takes them; GNOME&apos;s own shortcuts stay GNOME&apos;s</source>
        <translation>a extensão do Tavrin para o GNOME Shell os assume; os atalhos do próprio GNOME continuam sendo do GNOME</translation>
    </message>
    <message>
        <source>the panel shows status icons (StatusNotifierItem)</source>
        <translation>o painel mostra ícones de status (StatusNotifierItem)</translation>
    </message>
    <message>
        <source>This key cannot be a shortcut on GNOME.</source>
        <translation>Esta tecla não pode ser um atalho no GNOME.</translation>
    </message>
    <message>
        <source>This desktop lets no program take global shortcuts.</source>
        <translation>Este ambiente de trabalho não permite que nenhum programa use atalhos globais.</translation>
    </message>
    <message>
        <source>keys are typed through the compositor&apos;s virtual keyboard</source>
        <translation>as teclas são digitadas pelo teclado virtual do compositor</translation>
    </message>
    <message>
        <source>this desktop does not let programs take shortcuts: bind Tavrin&apos;s commands in the desktop&apos;s own key settings</source>
        <translation>este ambiente de trabalho não permite que programas usem atalhos: associe os comandos do Tavrin nas configurações de teclado do próprio ambiente</translation>
    </message>
    <message>
        <source>no panel on this desktop shows status icons</source>
        <translation>nenhum painel deste ambiente de trabalho mostra ícones de status</translation>
    </message>
    <message>
        <source>Global shortcuts need an X display, and none can be reached.</source>
        <translation>Atalhos globais precisam de uma tela X, e nenhuma pode ser alcançada.</translation>
    </message>
    <message>
        <source>The keyboard layout of the X display cannot be read.</source>
        <translation>Não é possível ler o layout de teclado da tela X.</translation>
    </message>
    <message>
        <source>a system tray shows the icon</source>
        <translation>uma bandeja do sistema mostra o ícone</translation>
    </message>
    <message>
        <source>no system tray was running at start; the list opens with its shortcut or a second start</source>
        <translation>nenhuma bandeja do sistema estava em execução no início; a lista abre com seu atalho ou com um segundo início</translation>
    </message>
    <message>
        <source>no X server could be reached</source>
        <translation>nenhum servidor X pôde ser alcançado</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>capturas de teclas no servidor X</translation>
    </message>
    <message>
        <source>the keyboard layout of the X server cannot be read</source>
        <translation>não é possível ler o layout de teclado do servidor X</translation>
    </message>
    <message>
        <source>XFixes tells every change of the clipboard&apos;s owner</source>
        <translation>o XFixes informa cada mudança de dono da área de transferência</translation>
    </message>
    <message>
        <source>the display offers no XFixes extension</source>
        <translation>a tela não oferece a extensão XFixes</translation>
    </message>
    <message>
        <source>the paste keys are typed through XTEST</source>
        <translation>as teclas de colar são digitadas pelo XTEST</translation>
    </message>
    <message>
        <source>the display offers no XTEST extension</source>
        <translation>a tela não oferece a extensão XTEST</translation>
    </message>
    <message>
        <source>this desktop cannot start programs at login</source>
        <translation>este ambiente de trabalho não pode iniciar programas ao entrar na sessão</translation>
    </message>
    <message>
        <source>keys are typed through the desktop&apos;s RemoteDesktop portal</source>
        <translation>as teclas são digitadas pelo portal RemoteDesktop da área de trabalho</translation>
    </message>
    <message>
        <source>this desktop does not let programs type keys; the entry is put on the clipboard and Ctrl+V pastes it</source>
        <translation>esta área de trabalho não permite que programas digitem teclas; o item é colocado na área de transferência e Ctrl+V o cola</translation>
    </message>
    <message>
        <source>KDE&apos;s shortcut service takes them; System Settings lists them under Tavrin</source>
        <translation>o serviço de atalhos do KDE os assume; as Configurações do sistema os listam em Tavrin</translation>
    </message>
    <message>
        <source>it is not running (not a KDE Plasma session)</source>
        <translation>ele não está em execução (não é uma sessão KDE Plasma)</translation>
    </message>
    <message>
        <source>the desktop&apos;s GlobalShortcuts portal takes them, after asking in its own dialog</source>
        <translation>o portal GlobalShortcuts da área de trabalho os assume, depois de perguntar em sua própria janela</translation>
    </message>
</context>
<context>
    <name>GuideHelpPage</name>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>The help page is missing from this build of Tavrin.</source>
        <translation>A página de ajuda está ausente desta compilação do Tavrin.</translation>
    </message>
    <message>
        <source>The help page could not be written to %1.</source>
        <translation>Não foi possível gravar a página de ajuda em %1.</translation>
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
        <translation>Inscrição realizada</translation>
    </message>
    <message>
        <source>You have Successfully Subscribed for our Newslatter.</source>
        <translation>Você se inscreveu com sucesso em nosso boletim.</translation>
    </message>
    <message>
        <source>Already Subscribed</source>
        <translation>Já inscrito</translation>
    </message>
    <message>
        <source>The email address &quot;%1&quot; already has an Active Subscription.</source>
        <translation>O endereço de e-mail “%1” já tem uma inscrição ativa.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>There was an error in processing your request. Please try again later.</source>
        <translation>Ocorreu um erro ao processar sua solicitação. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Email cannot be blank</source>
        <translation>O e-mail não pode ficar em branco</translation>
    </message>
    <message>
        <source>Please enter a valid Email address</source>
        <translation>Digite um endereço de e-mail válido</translation>
    </message>
    <message>
        <source>Invalid Email</source>
        <translation>E-mail inválido</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>Quick access shortcut</source>
        <translation>Atalho de acesso rápido</translation>
    </message>
    <message>
        <source>Sequential paste on or off shortcut</source>
        <translation>Atalho para ativar ou desativar a colagem sequencial</translation>
    </message>
    <message>
        <source>Paste next shortcut</source>
        <translation>Atalho para colar o próximo</translation>
    </message>
    <message>
        <source>Clear quick access shortcut</source>
        <translation>Limpar o atalho de acesso rápido</translation>
    </message>
    <message>
        <source>Clear sequential paste on or off shortcut</source>
        <translation>Limpar o atalho para ativar ou desativar a colagem sequencial</translation>
    </message>
    <message>
        <source>Clear paste next shortcut</source>
        <translation>Limpar o atalho para colar o próximo</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Click here to enter shortcut</source>
        <translation>Clique aqui para inserir um atalho</translation>
    </message>
    <message>
        <source>Please use a different key combination.</source>
        <translation>Use outra combinação de teclas.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>No Entries</source>
        <translation>Nenhuma entrada</translation>
    </message>
    <message>
        <source>Show Clipboard</source>
        <translation>Mostrar área de transferência</translation>
    </message>
</context>
<context>
    <name>tavrin::AboutPane</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Tavrin icon</source>
        <translation>Ícone do Tavrin</translation>
    </message>
    <message>
        <source>Version unknown</source>
        <translation>Versão desconhecida</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Tavrin keeps every text and file you copy, so that you can copy or paste it again whenever you need it.</source>
        <translation>O Tavrin guarda cada texto e arquivo que você copia, para que você possa copiá-lo ou colá-lo de novo sempre que precisar.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Rate Tavrin</source>
        <translation>Avaliar o Tavrin</translation>
    </message>
</context>
<context>
    <name>tavrin::AppActions</name>
    <message>
        <source>Manage Clipboard</source>
        <translation>Gerenciar área de transferência</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <translation>Limpar área de transferência</translation>
    </message>
    <message>
        <source>Show Sequential Paste Queue</source>
        <translation>Mostrar fila de colagem sequencial</translation>
    </message>
    <message>
        <source>Clear Sequential Paste Queue</source>
        <translation>Limpar fila de colagem sequencial</translation>
    </message>
    <message>
        <source>Pause Recording</source>
        <translation>Pausar registro</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Hide Sequential Paste Queue</source>
        <translation>Ocultar fila de colagem sequencial</translation>
    </message>
    <message>
        <source>Resume Recording</source>
        <translation>Retomar registro</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>Remover todos os itens?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the entire Clipboard?.</source>
        <translation>Tem certeza de que deseja limpar toda a área de transferência?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Show Tooltip</source>
        <translation>Mostrar dica</translation>
    </message>
</context>
<context>
    <name>tavrin::AppShell</name>
    <message>
        <source>Copied: press Ctrl+V</source>
        <translation>Copiado: pressione Ctrl+V</translation>
    </message>
</context>
<context>
    <name>tavrin::AppShortcuts</name>
    <message>
        <source>The key stored for this shortcut, &quot;%1&quot;, cannot be used here.</source>
        <translation>A tecla salva para este atalho, “%1”, não pode ser usada aqui.</translation>
    </message>
</context>
<context>
    <name>tavrin::ClipboardPane</name>
    <message>
        <source>Clipboard</source>
        <translation>Área de transferência</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>Histórico da área de transferência</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>Remover este item</translation>
    </message>
    <message>
        <source>Clear entire Clipboard items</source>
        <translation>Limpar todos os itens da área de transferência</translation>
    </message>
    <message>
        <source>Unpin this Item</source>
        <translation>Desafixar este item</translation>
    </message>
    <message>
        <source>Pin this Item</source>
        <translation>Fixar este item</translation>
    </message>
    <message>
        <source>Add to Custom Clipboard</source>
        <translation>Adicionar à área de transferência personalizada</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>Remover o item selecionado?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>Tem certeza de que deseja remover o item selecionado?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>Remover todos os itens?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the entire Clipboard?.</source>
        <translation>Tem certeza de que deseja limpar toda a área de transferência?</translation>
    </message>
</context>
<context>
    <name>tavrin::ControlService</name>
    <message>
        <source>the listing option &quot;%1&quot; is unknown or has a wrong value</source>
        <translation>a opção de listagem “%1” é desconhecida ou tem um valor incorreto</translation>
    </message>
    <message>
        <source>cannot open a channel for the list: %1</source>
        <translation>não é possível abrir um canal para a lista: %1</translation>
    </message>
    <message>
        <source>recording is paused, so nothing is added; resume it first</source>
        <translation>o registro está pausado, então nada é adicionado; retome-o primeiro</translation>
    </message>
    <message>
        <source>an empty text is not added</source>
        <translation>um texto vazio não é adicionado</translation>
    </message>
    <message>
        <source>entry %1 is pinned already</source>
        <translation>a entrada %1 já está fixada</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are pinned already, the most there can be; unpin one first</source>
        <translation>
            <numerusform>%n entrada já está fixada, o máximo possível; desafixe uma primeiro</numerusform>
            <numerusform>%n entradas já estão fixadas, o máximo possível; desafixe uma primeiro</numerusform>
        </translation>
    </message>
    <message>
        <source>entry %1 is not pinned</source>
        <translation>a entrada %1 não está fixada</translation>
    </message>
    <message>
        <source>the sequential paste queue is empty: nothing to paste</source>
        <translation>a fila de colagem sequencial está vazia: nada para colar</translation>
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
        <translation>O aplicativo que copiou</translation>
    </message>
    <message>
        <source>Tavrin did not record a copy</source>
        <translation>O Tavrin não registrou uma cópia</translation>
    </message>
    <message>
        <source>%1 took longer than %2 s to hand over what was copied, so it is not in the history. The setting %3 sets how long Tavrin waits.</source>
        <translation>%1 levou mais de %2 s para entregar o que foi copiado, então isso não está no histórico. A configuração %3 define quanto tempo o Tavrin espera.</translation>
    </message>
</context>
<context>
    <name>tavrin::DesktopSupportView</name>
    <message>
        <source>Show the list</source>
        <translation>Mostrar a lista</translation>
    </message>
    <message>
        <source>Switch sequential paste on or off</source>
        <translation>Ativar ou desativar a colagem sequencial</translation>
    </message>
    <message>
        <source>Paste the next entry of the sequential queue</source>
        <translation>Colar a próxima entrada da fila sequencial</translation>
    </message>
    <message>
        <source>This desktop</source>
        <translation>Este ambiente de trabalho</translation>
    </message>
    <message>
        <source>Session: %1</source>
        <translation>Sessão: %1</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Atalhos globais</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Ícone da bandeja do sistema</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Iniciar ao entrar na sessão</translation>
    </message>
    <message>
        <source>To make it work, run:</source>
        <translation>Para que funcione, execute:</translation>
    </message>
    <message>
        <source>The command that makes it work</source>
        <translation>O comando que faz funcionar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy &quot;%1&quot;</source>
        <translation>Copiar “%1”</translation>
    </message>
    <message>
        <source>Works</source>
        <translation>Funciona</translation>
    </message>
    <message>
        <source>Does not work</source>
        <translation>Não funciona</translation>
    </message>
    <message>
        <source>Not every shortcut works</source>
        <translation>Nem todo atalho funciona</translation>
    </message>
    <message>
        <source>Global shortcuts: %1</source>
        <translation>Atalhos globais: %1</translation>
    </message>
    <message>
        <source>This desktop does not let programs take shortcuts. Bind these commands to keys in the desktop&apos;s own key settings:</source>
        <translation>Este ambiente de trabalho não permite que programas usem atalhos. Associe estes comandos a teclas nas configurações de teclado do próprio ambiente:</translation>
    </message>
</context>
<context>
    <name>tavrin::DimmingLayer</name>
    <message>
        <source>Dimming</source>
        <translation>Escurecimento</translation>
    </message>
</context>
<context>
    <name>tavrin::FileOrFolderDialog</name>
    <message>
        <source>Choose</source>
        <translation>Escolher</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupListModel</name>
    <message>
        <source>Clipboard</source>
        <translation>Área de transferência</translation>
    </message>
    <message>
        <source>Custom Clipboards</source>
        <translation>Áreas de transferência personalizadas</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupListView</name>
    <message>
        <source>Remove this Clipboard</source>
        <translation>Remover esta área de transferência</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remover %1</translation>
    </message>
</context>
<context>
    <name>tavrin::GroupPane</name>
    <message>
        <source>Add a file or folder to paste at a later time</source>
        <translation>Adicionar um arquivo ou uma pasta para colar mais tarde</translation>
    </message>
    <message>
        <source>Please select a file/folder to add to Clipboard for Quick copy and pasting</source>
        <translation>Selecione um arquivo ou uma pasta para adicionar à área de transferência e copiar e colar rapidamente</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Área de transferência</translation>
    </message>
    <message>
        <source>Clipboard items</source>
        <translation>Itens da área de transferência</translation>
    </message>
    <message>
        <source>Add a file or folder</source>
        <translation>Adicionar um arquivo ou uma pasta</translation>
    </message>
    <message>
        <source>No files found</source>
        <translation>Nenhum arquivo encontrado</translation>
    </message>
    <message>
        <source>Add a file or folder with the + button, or drop files onto this Clipboard&apos;s name in the sidebar.</source>
        <translation>Adicione um arquivo ou uma pasta com o botão +, ou solte arquivos sobre o nome desta área de transferência na barra lateral.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>Remover este item</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Remover tudo</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>Remover o item selecionado?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>Tem certeza de que deseja remover o item selecionado?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Remove All Item?</source>
        <translation>Remover todos os itens?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all the items from this Clipboard?</source>
        <translation>Tem certeza de que deseja remover todos os itens desta área de transferência?</translation>
    </message>
</context>
<context>
    <name>tavrin::HistoryRowDelegate</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar para a área de transferência</translation>
    </message>
</context>
<context>
    <name>tavrin::ListPane</name>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
</context>
<context>
    <name>tavrin::MainWindowContent</name>
    <message>
        <source>Pane</source>
        <translation>Painel</translation>
    </message>
</context>
<context>
    <name>tavrin::NewsletterForm</name>
    <message>
        <source>Subscribe</source>
        <translation>Inscrever-se</translation>
    </message>
    <message>
        <source>Hear about new versions: leave your e-mail address for our newsletter.</source>
        <translation>Saiba das novas versões: deixe seu endereço de e-mail para o nosso boletim.</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Endereço de e-mail</translation>
    </message>
</context>
<context>
    <name>tavrin::PasteAccessGuide</name>
    <message>
        <source>Tavrin cannot paste here</source>
        <translation>O Tavrin não pode colar aqui</translation>
    </message>
    <message>
        <source>Tavrin pastes by typing Ctrl+V for you. That needs an X11 session with the XTEST extension, and this session has none. Your entry is on the clipboard: press Ctrl+V to paste it yourself.</source>
        <translation>O Tavrin cola digitando Ctrl+V por você. Isso exige uma sessão X11 com a extensão XTEST, e esta sessão não a tem. Sua entrada está na área de transferência: pressione Ctrl+V para colá-la você mesmo.</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Passo 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Passo 2</translation>
    </message>
    <message>
        <source>How to Make Pasting Work</source>
        <translation>Como fazer a colagem funcionar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>No program could open the help page. You find it at %1</source>
        <translation>Nenhum programa conseguiu abrir a página de ajuda. Ela está em %1</translation>
    </message>
</context>
<context>
    <name>tavrin::PreferencesPane</name>
    <message>
        <source>Start pasting from first copied item to last</source>
        <translation>Colar do primeiro item copiado ao último</translation>
    </message>
    <message>
        <source>Start pasting from Last copied item to first</source>
        <translation>Colar do último item copiado ao primeiro</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Play interaction sounds</source>
        <translation>Reproduzir sons de interação</translation>
    </message>
    <message>
        <source>Start Tavrin at login</source>
        <translation>Iniciar o Tavrin ao entrar na sessão</translation>
    </message>
    <message>
        <source>This desktop gives programs no way to start with the session.</source>
        <translation>Este ambiente de trabalho não oferece aos programas uma forma de iniciar com a sessão.</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Click a box, then press the keys: at least one of Ctrl, Alt, Shift or Super with another key. The shortcuts work in every application.</source>
        <translation>Clique em uma caixa e pressione as teclas: pelo menos uma entre Ctrl, Alt, Shift ou Super com outra tecla. Os atalhos funcionam em todos os aplicativos.</translation>
    </message>
    <message>
        <source>This desktop does not let programs take shortcuts: bind the commands under &quot;This desktop&quot; below in the desktop&apos;s own keyboard settings.</source>
        <translation>Este ambiente de trabalho não permite que programas usem atalhos: associe os comandos em “Este ambiente de trabalho”, abaixo, nas configurações de teclado do próprio ambiente.</translation>
    </message>
    <message>
        <source>Show the clipboard list</source>
        <translation>Mostrar a lista da área de transferência</translation>
    </message>
    <message>
        <source>Sequential Queue</source>
        <translation>Fila sequencial</translation>
    </message>
    <message>
        <source>Record both shortcuts below. Press the first to start sequential paste: every text or file you copy then joins the queue, shown in a small window. Each press of the second pastes the next queued entry into the application in front, in the order chosen here. Press the first again, or close the queue window, to stop.</source>
        <translation>Grave os dois atalhos abaixo. Pressione o primeiro para iniciar a colagem sequencial: cada texto ou arquivo que você copiar entra na fila, exibida em uma pequena janela. Cada toque no segundo cola a próxima entrada da fila no aplicativo em primeiro plano, na ordem escolhida aqui. Pressione o primeiro de novo, ou feche a janela da fila, para parar.</translation>
    </message>
    <message>
        <source>Sequential paste on or off</source>
        <translation>Ativar ou desativar a colagem sequencial</translation>
    </message>
    <message>
        <source>Paste the next queued entry</source>
        <translation>Colar a próxima entrada da fila</translation>
    </message>
    <message>
        <source>Paste order</source>
        <translation>Ordem de colagem</translation>
    </message>
    <message>
        <source>Clear this shortcut</source>
        <translation>Limpar este atalho</translation>
    </message>
    <message>
        <source>Does not work: %1</source>
        <translation>Não funciona: %1</translation>
    </message>
    <message>
        <source>Tavrin could not be set to start at login.</source>
        <translation>Não foi possível configurar o Tavrin para iniciar ao entrar na sessão.</translation>
    </message>
    <message>
        <source>Tavrin could not be kept from starting at login.</source>
        <translation>Não foi possível impedir que o Tavrin inicie ao entrar na sessão.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Waiting for the desktop to allow it</source>
        <translation>Aguardando a permissão da área de trabalho</translation>
    </message>
</context>
<context>
    <name>tavrin::QueueListModel</name>
    <message>
        <source>Pasted next</source>
        <translation>Será colado a seguir</translation>
    </message>
    <message>
        <source>pasted next</source>
        <translation>será colado a seguir</translation>
    </message>
</context>
<context>
    <name>tavrin::QuickListView</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>Remove this item</source>
        <translation>Remover este item</translation>
    </message>
    <message>
        <source>Unpin this Item</source>
        <translation>Desafixar este item</translation>
    </message>
    <message>
        <source>Pin this Item</source>
        <translation>Fixar este item</translation>
    </message>
    <message>
        <source>Remove selected Item?</source>
        <translation>Remover o item selecionado?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected item?.</source>
        <translation>Tem certeza de que deseja remover o item selecionado?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Área de transferência</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Show the Clipboard or a Custom Clipboard</source>
        <translation>Mostrar a área de transferência ou uma área de transferência personalizada</translation>
    </message>
    <message>
        <source>Clipboard history</source>
        <translation>Histórico da área de transferência</translation>
    </message>
    <message>
        <source>Shown list: %1</source>
        <translation>Lista exibida: %1</translation>
    </message>
</context>
<context>
    <name>tavrin::SaveNotices</name>
    <message>
        <source>Tavrin kept a damaged file aside</source>
        <translation>O Tavrin separou um arquivo danificado</translation>
    </message>
    <message>
        <source>%1 could not be read whole (%2). It is kept as %3, and Tavrin saves in its place.</source>
        <translation>%1 não pôde ser lido por inteiro (%2). Ele é mantido como %3, e o Tavrin salva no lugar dele.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2. The history is saved to %3 from now on.</source>
        <translation>%1 não pode ser usado: %2. O histórico passa a ser salvo em %3.</translation>
    </message>
    <message>
        <source>Its entries were read from %1, which is left as it is.</source>
        <translation>Suas entradas foram lidas de %1, que permanece como está.</translation>
    </message>
    <message>
        <source>Tavrin saves the clipboard history in another file</source>
        <translation>O Tavrin salva o histórico da área de transferência em outro arquivo</translation>
    </message>
    <message>
        <source>Tavrin cannot save the clipboard history</source>
        <translation>O Tavrin não consegue salvar o histórico da área de transferência</translation>
    </message>
    <message>
        <source>%1: %2. What you copy stays in memory, and Tavrin keeps trying.</source>
        <translation>%1: %2. O que você copia fica na memória, e o Tavrin continua tentando.</translation>
    </message>
    <message>
        <source>Tavrin saves the clipboard history again</source>
        <translation>O Tavrin voltou a salvar o histórico da área de transferência</translation>
    </message>
    <message>
        <source>Tavrin cannot save its settings</source>
        <translation>O Tavrin não consegue salvar suas configurações</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Tavrin saves its settings again</source>
        <translation>O Tavrin voltou a salvar suas configurações</translation>
    </message>
    <message>
        <source>Tavrin cannot save a group</source>
        <translation>O Tavrin não consegue salvar um grupo</translation>
    </message>
    <message>
        <source>Tavrin saves the group again</source>
        <translation>O Tavrin voltou a salvar o grupo</translation>
    </message>
</context>
<context>
    <name>tavrin::SequentialQueueView</name>
    <message>
        <source>In order to use the Sequential paste option, follow the instructions under Sequential Queue in Preferences.</source>
        <translation>Para usar a colagem sequencial, siga as instruções em “Fila sequencial” nas Preferências.</translation>
    </message>
    <message>
        <source>Sequential Paste Queue</source>
        <translation>Fila de colagem sequencial</translation>
    </message>
    <message>
        <source>Close the queue and end sequential paste</source>
        <translation>Fechar a fila e encerrar a colagem sequencial</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Queued entries</source>
        <translation>Entradas na fila</translation>
    </message>
    <message>
        <source>Queue entry</source>
        <translation>Entrada da fila</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Remover tudo</translation>
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
        <translation>Fila de colagem sequencial</translation>
    </message>
</context>
<context>
    <name>tavrin::ShortcutRecorderBox</name>
    <message>
        <source>Recording: press the new shortcut. %1</source>
        <translation>Gravando: pressione o novo atalho. %1</translation>
    </message>
</context>
<context>
    <name>tavrin::ShownListModel</name>
    <message>
        <source>pinned</source>
        <translation>fixado</translation>
    </message>
</context>
<context>
    <name>tavrin::Sidebar</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>A Clipboard name cannot contain a slash (/).</source>
        <translation>O nome de uma área de transferência não pode conter barra (/).</translation>
    </message>
    <message>
        <source>A Clipboard name cannot contain a null character.</source>
        <translation>O nome de uma área de transferência não pode conter um caractere nulo.</translation>
    </message>
    <message>
        <source>A Clipboard cannot be named &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Uma área de transferência não pode se chamar “.” ou “..”.</translation>
    </message>
    <message>
        <source>The name &quot;myfile&quot; belongs to the Clipboard history&apos;s own file.</source>
        <translation>O nome “myfile” pertence ao próprio arquivo do histórico da área de transferência.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>Clipboard and Custom Clipboards</source>
        <translation>Área de transferência e áreas de transferência personalizadas</translation>
    </message>
    <message>
        <source>Preferences and About</source>
        <translation>Preferências e Sobre</translation>
    </message>
    <message>
        <source>Add Clipboard</source>
        <translation>Adicionar área de transferência</translation>
    </message>
    <message>
        <source>Add a Clipboard</source>
        <translation>Adicionar uma área de transferência</translation>
    </message>
    <message>
        <source>Clipboard with the same name already exists.</source>
        <translation>Já existe uma área de transferência com o mesmo nome.</translation>
    </message>
    <message>
        <source>The Clipboard&apos;s items could not be saved under this name (it may be too long for a file name), so it keeps its name.</source>
        <translation>Os itens da área de transferência não puderam ser salvos com este nome (talvez seja longo demais para um nome de arquivo), então ela mantém seu nome.</translation>
    </message>
    <message>
        <source>Enter a valid name</source>
        <translation>Digite um nome válido</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Remove selected Clipboard?</source>
        <translation>Remover a área de transferência selecionada?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected Clipboard? All the Items of this Clipboard will also be removed.</source>
        <translation>Tem certeza de que deseja remover a área de transferência selecionada? Todos os itens dela também serão removidos.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>tavrin::SidebarRowDelegate</name>
    <message>
        <source>Clipboard name</source>
        <translation>Nome da área de transferência</translation>
    </message>
</context>
<context>
    <name>tavrin::TrayIcon</name>
    <message>
        <source>Tavrin (recording paused)</source>
        <translation>Tavrin (registro pausado)</translation>
    </message>
</context>
<context>
    <name>tavrin::TrayMenuWindow</name>
    <message>
        <source>Tavrin Menu</source>
        <translation>Menu do Tavrin</translation>
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
        <translation>Iniciar o Tavrin ao entrar na sessão</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Welcome to Tavrin</source>
        <translation>Boas-vindas ao Tavrin</translation>
    </message>
    <message>
        <source>Tavrin keeps everything you copy, texts as well as files and folders, so that you can copy or paste it again later.</source>
        <translation>O Tavrin guarda tudo o que você copia, textos e também arquivos e pastas, para que você possa copiar ou colar de novo mais tarde.</translation>
    </message>
    <message>
        <source>Open the list of what you copied by clicking the Tavrin icon in the tray, or with a shortcut of your own.</source>
        <translation>Abra a lista do que você copiou clicando no ícone do Tavrin na bandeja do sistema, ou com um atalho próprio.</translation>
    </message>
    <message>
        <source>Record the shortcuts for the list and for pasting one item after another in Preferences.</source>
        <translation>Grave nas Preferências os atalhos para a lista e para colar um item após o outro.</translation>
    </message>
    <message>
        <source>This desktop cannot start programs when you log in.</source>
        <translation>Este ambiente de trabalho não pode iniciar programas quando você entra na sessão.</translation>
    </message>
    <message>
        <source>Tavrin will not start at login</source>
        <translation>O Tavrin não será iniciado ao entrar na sessão</translation>
    </message>
    <message>
        <source>%1. You can try again in Preferences.</source>
        <translation>%1. Você pode tentar de novo nas Preferências.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
