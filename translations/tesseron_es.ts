<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Caption</name>
    <message>
        <source>O P T I O N S</source>
        <translation>O P C I O N E S</translation>
    </message>
    <message>
        <source>NUMBER OF COLORS</source>
        <translation>NÚMERO DE COLORES</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <translation>SONIDOS</translation>
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
        <translation>RÉCORDS</translation>
    </message>
    <message>
        <source>H E L P</source>
        <translation>A Y U D A</translation>
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

Tesseron, un juego de ingenio: dispara bloques de colores desde las colas que
rodean un tablero de 10 x 10; tres o más bloques de un mismo color que se tocan
explotan y suman puntos.

Opciones:
  -h, --help     muestra esta ayuda y sale
      --version  muestra la versión y sale

Archivos:
  $XDG_DATA_HOME/tesseron/ (normalmente ~/.local/share/tesseron/)
      tu carpeta de datos: apariencias, sonidos, textos, el salón de la fama
      (Vexil.hig) y las partidas guardadas (kelm.sg1 a kelm.sg6)
  $XDG_CONFIG_HOME/tesseron/kelm.ini (normalmente ~/.config/tesseron/kelm.ini)
      los ajustes

Más información en el manual: man tesseron
</translation>
    </message>
    <message>
        <source>tesseron: unknown argument &apos;%1&apos;</source>
        <translation>tesseron: argumento desconocido «%1»</translation>
    </message>
</context>
<context>
    <name>OneGame</name>
    <message>
        <source>Tesseron could not lock %1 (%2). This game writes no high scores, saved games or settings, so that it cannot overwrite another game&apos;s in that folder.</source>
        <translation>Tesseron no pudo bloquear %1 (%2). Este juego no guarda el salón de la fama, las partidas ni los ajustes, para no sobrescribir los de otro juego en esa carpeta.</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (proceso %1)</translation>
    </message>
    <message>
        <source>Tesseron is already running in %1%2 but does not answer. This game writes no high scores, saved games or settings, so that it cannot overwrite that game&apos;s.</source>
        <extracomment>%1 is the data folder; %2 is empty or &quot; (process 1234)&quot;</extracomment>
        <translation>Tesseron ya se está ejecutando en %1%2, pero no responde. Este juego no guarda el salón de la fama, las partidas ni los ajustes, para no sobrescribir los del otro.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Tesseron could not %1: %2</source>
        <extracomment>%1 is one of the start-up&apos;s steps (&quot;load the high scores&quot;); %2 says why</extracomment>
        <translation>Tesseron no pudo %1: %2</translation>
    </message>
    <message>
        <source>Tesseron could not %1.</source>
        <translation>Tesseron no pudo %1.</translation>
    </message>
    <message>
        <source>load the high scores</source>
        <translation>cargar el salón de la fama</translation>
    </message>
    <message>
        <source>read the settings</source>
        <translation>leer los ajustes</translation>
    </message>
    <message>
        <source>start a new game</source>
        <translation>empezar una nueva partida</translation>
    </message>
    <message>
        <source>read the skin description</source>
        <translation>leer la descripción de la apariencia</translation>
    </message>
    <message>
        <source>The skin file cound not be opened!</source>
        <translation>¡No se pudo abrir el archivo de apariencia!</translation>
    </message>
    <message>
        <source>load the skin</source>
        <translation>cargar la apariencia</translation>
    </message>
    <message>
        <source>bring the hall of fame up to date</source>
        <translation>actualizar el salón de la fama</translation>
    </message>
    <message>
        <source>Tesseron could not load the skin: %1</source>
        <translation>Tesseron no pudo cargar la apariencia: %1</translation>
    </message>
    <message>
        <source>Tesseron could not load its own skin either: %1</source>
        <translation>Tesseron tampoco pudo cargar su propia apariencia: %1</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nuevo récord: %1</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>The high scores file was not found! A new file was created.</source>
        <translation>¡No se encontró el archivo del salón de la fama! Se ha creado uno nuevo.</translation>
    </message>
    <message>
        <source>The high scores file could not be created!</source>
        <translation>¡No se pudo crear el archivo del salón de la fama!</translation>
    </message>
    <message>
        <source>The game could not be saved!</source>
        <translation>¡No se pudo guardar la partida!</translation>
    </message>
    <message>
        <source>You can not open the same game twice</source>
        <translation>No puedes abrir la misma partida dos veces</translation>
    </message>
    <message>
        <source>Could not open the saved game. A new game started.</source>
        <translation>No se pudo abrir la partida guardada. Ha empezado una nueva partida.</translation>
    </message>
    <message>
        <source>there is no permission to read it, or reading it failed</source>
        <translation>no hay permiso para leerlo, o la lectura falló</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>ocupa más de 1 MiB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>No se puede escribir en %s</translation>
    </message>
</context>
<context>
    <name>TEnterName</name>
    <message>
        <source>Good work!</source>
        <translation>¡Buen trabajo!</translation>
    </message>
    <message>
        <source>Please enter your name for the hall of fame!</source>
        <translation>¡Tu nombre para el salón de la fama!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TGameOver</name>
    <message>
        <source>GameOver</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DE LA PARTIDA</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>New game (%1)</source>
        <extracomment>%1 and %2 are keys, as the desktop names them</extracomment>
        <translation>Nueva partida (%1)</translation>
    </message>
    <message>
        <source>Hall of fame (%1)</source>
        <translation>Salón de la fama (%1)</translation>
    </message>
    <message>
        <source>Help (%1)</source>
        <translation>Ayuda (%1)</translation>
    </message>
    <message>
        <source>Options (%1)</source>
        <translation>Opciones (%1)</translation>
    </message>
    <message>
        <source>Undo (%1)</source>
        <translation>Deshacer (%1)</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Load or save a game (%1, %2)</source>
        <translation>Cargar o guardar una partida (%1, %2)</translation>
    </message>
    <message>
        <source>Quit (%1)</source>
        <translation>Salir (%1)</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Hora actual</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Bricks: %1, one moving</source>
        <translation>Bloques: %1, uno en movimiento</translation>
    </message>
    <message>
        <source>Bricks: %1</source>
        <translation>Bloques: %1</translation>
    </message>
    <message>
        <source>Launch refused</source>
        <translation>Disparo rechazado</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Fin de la partida, puntuación %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntuación: %1</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Open a SKIN</source>
        <translation>Abrir una apariencia</translation>
    </message>
    <message>
        <source>Tesseron skins</source>
        <translation>Apariencias de Tesseron</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Open music file</source>
        <translation>Abrir archivo de música</translation>
    </message>
    <message>
        <source>MIDI files (*.mid,*.rmi)</source>
        <translation>Archivos MIDI (*.mid,*.rmi)</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 colores</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Music file</source>
        <translation>Archivo de música</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TRules</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Tesseron 1.40
Game, pictures and sounds by Orvane. Free software under the GNU GPL v3 or later.</source>
        <translation>Tesseron 1.40
Juego, imágenes y sonidos de Orvane. Software libre bajo la GNU GPL v3 o posterior.</translation>
    </message>
    <message>
        <source>Send e-mail to the author</source>
        <translation>Enviar un correo al autor</translation>
    </message>
    <message>
        <source>           [ Rules of the game ]</source>
        <translation>           [ Reglas del juego ]</translation>
    </message>
    <message>
        <source>Visit Tesseron website</source>
        <translation>La web de Tesseron</translation>
    </message>
    <message>
        <source>Tesseron in the Internet:</source>
        <translation>Tesseron en Internet:</translation>
    </message>
    <message>
        <source>Visit the                website</source>
        <translation>La web de                </translation>
    </message>
    <message>
        <source>  If you have any questions or problems with the game feel free to e-mail support:</source>
        <translation>  Si tienes dudas o problemas con el juego, escribe al soporte:</translation>
    </message>
    <message>
        <source>Detailed help, News, Updates, Additional skins, Links...</source>
        <translation>Ayuda, noticias, actualizaciones, apariencias...</translation>
    </message>
    <message>
        <source>                     [ Tesseron Readme ]</source>
        <translation>                    [ Léame de Tesseron ]</translation>
    </message>
    <message>
        <source>The Orvane website. News, games, projects, demos...</source>
        <translation>La web de Orvane. Noticias, juegos, proyectos, demos...</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Reglas del juego</translation>
    </message>
    <message>
        <source>Tesseron Readme</source>
        <translation>Léame de Tesseron</translation>
    </message>
    <message>
        <source>Visit the Orvane website</source>
        <translation>La web de Orvane</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TScores</name>
    <message>
        <source>Scores</source>
        <translation>Salón de la fama</translation>
    </message>
    <message>
        <source>Hall of fame</source>
        <translation>Salón de la fama</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Splash</source>
        <translation>Pantalla de inicio</translation>
    </message>
    <message>
        <source>Tesseron could not finish closing: %1</source>
        <translation>Tesseron no pudo terminar de cerrarse: %1</translation>
    </message>
</context>
<context>
    <name>Trul</name>
    <message>
        <source>The file was not found!</source>
        <translation>¡No se encontró el archivo!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
