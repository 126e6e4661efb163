<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Caption</name>
    <message>
        <source>O P T I O N S</source>
        <translation>O P Ç Õ E S</translation>
    </message>
    <message>
        <source>NUMBER OF COLORS</source>
        <translation>NÚMERO DE CORES</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <translation>SONS</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MÚSICA</translation>
    </message>
    <message>
        <source>SKIN</source>
        <translation>SKIN</translation>
    </message>
    <message>
        <source>HALL OF FAME</source>
        <translation>HALL DA FAMA</translation>
    </message>
    <message>
        <source>H E L P</source>
        <translation>A J U D A</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tesseron [--help | --version]

Tesseron, a puzzle game: shoot coloured bricks from the queues around a 10 x 10
field; three or more touching bricks of one colour explode and score.

Options:
  -h, --help     show this help and exit
      --version  show the version and exit

Files:
  $XDG_DATA_HOME/tesseron/ (normally ~/.local/share/tesseron/)
      your data folder: skins, sounds, texts, the high scores (Vexil.hig) and
      the saved games (kelm.sg1 to kelm.sg6)
  $XDG_CONFIG_HOME/tesseron/kelm.ini (normally ~/.config/tesseron/kelm.ini)
      the settings

More in the manual: man tesseron
</source>
        <translation>Uso: tesseron [--help | --version]

Tesseron, um jogo de raciocínio: dispare blocos coloridos das filas em volta de
um tabuleiro de 10 x 10; três ou mais blocos da mesma cor que se tocam explodem
e marcam pontos.

Opções:
  -h, --help     mostra esta ajuda e sai
      --version  mostra a versão e sai

Arquivos:
  $XDG_DATA_HOME/tesseron/ (normalmente ~/.local/share/tesseron/)
      sua pasta de dados: skins, sons, textos, o hall da fama (Vexil.hig) e
      os jogos salvos (kelm.sg1 a kelm.sg6)
  $XDG_CONFIG_HOME/tesseron/kelm.ini (normalmente ~/.config/tesseron/kelm.ini)
      as configurações

Mais no manual: man tesseron
</translation>
    </message>
    <message>
        <source>tesseron: unknown argument &apos;%1&apos;</source>
        <translation>tesseron: argumento desconhecido “%1”</translation>
    </message>
</context>
<context>
    <name>OneGame</name>
    <message>
        <source>Tesseron could not lock %1 (%2). This game writes no high scores, saved games or settings, so that it cannot overwrite another game&apos;s in that folder.</source>
        <translation>O Tesseron não conseguiu bloquear %1 (%2). Este jogo não grava o hall da fama, os jogos salvos nem as configurações, para não sobrescrever os de outro jogo nessa pasta.</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (processo %1)</translation>
    </message>
    <message>
        <source>Tesseron is already running in %1%2 but does not answer. This game writes no high scores, saved games or settings, so that it cannot overwrite that game&apos;s.</source>
        <extracomment>%1 is the data folder; %2 is empty or &quot; (process 1234)&quot;</extracomment>
        <translation>O Tesseron já está em execução em %1%2, mas não responde. Este jogo não grava o hall da fama, os jogos salvos nem as configurações, para não sobrescrever os do outro.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Tesseron could not %1: %2</source>
        <extracomment>%1 is one of the start-up&apos;s steps (&quot;load the high scores&quot;); %2 says why</extracomment>
        <translation>O Tesseron não conseguiu %1: %2</translation>
    </message>
    <message>
        <source>Tesseron could not %1.</source>
        <translation>O Tesseron não conseguiu %1.</translation>
    </message>
    <message>
        <source>load the high scores</source>
        <translation>carregar o hall da fama</translation>
    </message>
    <message>
        <source>read the settings</source>
        <translation>ler as configurações</translation>
    </message>
    <message>
        <source>start a new game</source>
        <translation>começar um novo jogo</translation>
    </message>
    <message>
        <source>read the skin description</source>
        <translation>ler a descrição da skin</translation>
    </message>
    <message>
        <source>The skin file cound not be opened!</source>
        <translation>Não foi possível abrir o arquivo da skin!</translation>
    </message>
    <message>
        <source>load the skin</source>
        <translation>carregar a skin</translation>
    </message>
    <message>
        <source>bring the hall of fame up to date</source>
        <translation>atualizar o hall da fama</translation>
    </message>
    <message>
        <source>Tesseron could not load the skin: %1</source>
        <translation>O Tesseron não conseguiu carregar a skin: %1</translation>
    </message>
    <message>
        <source>Tesseron could not load its own skin either: %1</source>
        <translation>O Tesseron também não conseguiu carregar a própria skin: %1</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Novo recorde: %1</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>The high scores file was not found! A new file was created.</source>
        <translation>O arquivo do hall da fama não foi encontrado! Um novo arquivo foi criado.</translation>
    </message>
    <message>
        <source>The high scores file could not be created!</source>
        <translation>Não foi possível criar o arquivo do hall da fama!</translation>
    </message>
    <message>
        <source>The game could not be saved!</source>
        <translation>Não foi possível salvar o jogo!</translation>
    </message>
    <message>
        <source>You can not open the same game twice</source>
        <translation>Você não pode abrir o mesmo jogo duas vezes</translation>
    </message>
    <message>
        <source>Could not open the saved game. A new game started.</source>
        <translation>Não foi possível abrir o jogo salvo. Um novo jogo começou.</translation>
    </message>
    <message>
        <source>there is no permission to read it, or reading it failed</source>
        <translation>não há permissão para lê-lo, ou a leitura falhou</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>é maior que 1 MiB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>Não foi possível gravar em %s</translation>
    </message>
</context>
<context>
    <name>TEnterName</name>
    <message>
        <source>Good work!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source>Please enter your name for the hall of fame!</source>
        <translation>Seu nome para o hall da fama!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TGameOver</name>
    <message>
        <source>GameOver</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIM DE JOGO</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>New game (%1)</source>
        <extracomment>%1 and %2 are keys, as the desktop names them</extracomment>
        <translation>Novo jogo (%1)</translation>
    </message>
    <message>
        <source>Hall of fame (%1)</source>
        <translation>Hall da fama (%1)</translation>
    </message>
    <message>
        <source>Help (%1)</source>
        <translation>Ajuda (%1)</translation>
    </message>
    <message>
        <source>Options (%1)</source>
        <translation>Opções (%1)</translation>
    </message>
    <message>
        <source>Undo (%1)</source>
        <translation>Desfazer (%1)</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Load or save a game (%1, %2)</source>
        <translation>Carregar ou salvar um jogo (%1, %2)</translation>
    </message>
    <message>
        <source>Quit (%1)</source>
        <translation>Sair (%1)</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Carregar jogo</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salvar jogo</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Hora atual</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Bricks: %1, one moving</source>
        <translation>Blocos: %1, um em movimento</translation>
    </message>
    <message>
        <source>Bricks: %1</source>
        <translation>Blocos: %1</translation>
    </message>
    <message>
        <source>Launch refused</source>
        <translation>Disparo recusado</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Fim de jogo, pontuação %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Pontuação: %1</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Open a SKIN</source>
        <translation>Abrir uma skin</translation>
    </message>
    <message>
        <source>Tesseron skins</source>
        <translation>Skins do Tesseron</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Open music file</source>
        <translation>Abrir arquivo de música</translation>
    </message>
    <message>
        <source>MIDI files (*.mid,*.rmi)</source>
        <translation>Arquivos MIDI (*.mid,*.rmi)</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 cores</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Music file</source>
        <translation>Arquivo de música</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>TRules</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Tesseron 1.40
Game, pictures and sounds by Orvane. Free software under the GNU GPL v3 or later.</source>
        <translation>Tesseron 1.40
Jogo, imagens e sons por Orvane. Software livre sob a GNU GPL v3 ou posterior.</translation>
    </message>
    <message>
        <source>Send e-mail to the author</source>
        <translation>Enviar e-mail ao autor</translation>
    </message>
    <message>
        <source>           [ Rules of the game ]</source>
        <translation>            [ Regras do jogo ]</translation>
    </message>
    <message>
        <source>Visit Tesseron website</source>
        <translation>O site do Tesseron</translation>
    </message>
    <message>
        <source>Tesseron in the Internet:</source>
        <translation>Tesseron na Internet:</translation>
    </message>
    <message>
        <source>Visit the                website</source>
        <translation>O site da                </translation>
    </message>
    <message>
        <source>  If you have any questions or problems with the game feel free to e-mail support:</source>
        <translation>  Se tiver dúvidas ou problemas com o jogo, escreva para o suporte:</translation>
    </message>
    <message>
        <source>Detailed help, News, Updates, Additional skins, Links...</source>
        <translation>Ajuda, novidades, atualizações, mais skins, links...</translation>
    </message>
    <message>
        <source>                     [ Tesseron Readme ]</source>
        <translation>                   [ Leia-me do Tesseron ]</translation>
    </message>
    <message>
        <source>The Orvane website. News, games, projects, demos...</source>
        <translation>O site da Orvane. Novidades, jogos, projetos, demos...</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Regras do jogo</translation>
    </message>
    <message>
        <source>Tesseron Readme</source>
        <translation>Leia-me do Tesseron</translation>
    </message>
    <message>
        <source>Visit the Orvane website</source>
        <translation>O site da Orvane</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>TScores</name>
    <message>
        <source>Scores</source>
        <translation>Hall da fama</translation>
    </message>
    <message>
        <source>Hall of fame</source>
        <translation>Hall da fama</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Splash</source>
        <translation>Tela inicial</translation>
    </message>
    <message>
        <source>Tesseron could not finish closing: %1</source>
        <translation>O Tesseron não conseguiu terminar de fechar: %1</translation>
    </message>
</context>
<context>
    <name>Trul</name>
    <message>
        <source>The file was not found!</source>
        <translation>O arquivo não foi encontrado!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
</TS>
