<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Caption</name>
    <message>
        <source>O P T I O N S</source>
        <translation>O P T I O N E N</translation>
    </message>
    <message>
        <source>NUMBER OF COLORS</source>
        <translation>ANZAHL DER FARBEN</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <translation>KLÄNGE</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MUSIK</translation>
    </message>
    <message>
        <source>SKIN</source>
        <translation>SKIN</translation>
    </message>
    <message>
        <source>HALL OF FAME</source>
        <translation>RUHMESHALLE</translation>
    </message>
    <message>
        <source>H E L P</source>
        <translation>H I L F E</translation>
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
        <translation>Aufruf: tesseron [--help | --version]

Tesseron, ein Denkspiel: Schießen Sie farbige Steine aus den Reihen rund um ein
Spielfeld von 10 x 10 Zellen; drei oder mehr sich berührende Steine einer Farbe
explodieren und bringen Punkte.

Optionen:
  -h, --help     diese Hilfe zeigen und beenden
      --version  die Version zeigen und beenden

Dateien:
  $XDG_DATA_HOME/tesseron/ (normalerweise ~/.local/share/tesseron/)
      Ihr Datenordner: Skins, Klänge, Texte, die Ruhmeshalle (Vexil.hig) und
      die gespeicherten Spiele (kelm.sg1 bis kelm.sg6)
  $XDG_CONFIG_HOME/tesseron/kelm.ini (normalerweise ~/.config/tesseron/kelm.ini)
      die Einstellungen

Mehr im Handbuch: man tesseron
</translation>
    </message>
    <message>
        <source>tesseron: unknown argument &apos;%1&apos;</source>
        <translation>tesseron: unbekanntes Argument „%1“</translation>
    </message>
</context>
<context>
    <name>OneGame</name>
    <message>
        <source>Tesseron could not lock %1 (%2). This game writes no high scores, saved games or settings, so that it cannot overwrite another game&apos;s in that folder.</source>
        <translation>Tesseron konnte %1 nicht sperren (%2). Dieses Spiel schreibt weder die Ruhmeshalle noch gespeicherte Spiele oder Einstellungen, damit es die eines anderen Spiels in diesem Ordner nicht überschreibt.</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (Prozess %1)</translation>
    </message>
    <message>
        <source>Tesseron is already running in %1%2 but does not answer. This game writes no high scores, saved games or settings, so that it cannot overwrite that game&apos;s.</source>
        <extracomment>%1 is the data folder; %2 is empty or &quot; (process 1234)&quot;</extracomment>
        <translation>Tesseron läuft bereits in %1%2, antwortet aber nicht. Dieses Spiel schreibt weder die Ruhmeshalle noch gespeicherte Spiele oder Einstellungen, damit es die des anderen Spiels nicht überschreibt.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Tesseron could not %1: %2</source>
        <extracomment>%1 is one of the start-up&apos;s steps (&quot;load the high scores&quot;); %2 says why</extracomment>
        <translation>Es ist Tesseron nicht gelungen, %1: %2</translation>
    </message>
    <message>
        <source>Tesseron could not %1.</source>
        <translation>Es ist Tesseron nicht gelungen, %1.</translation>
    </message>
    <message>
        <source>load the high scores</source>
        <translation>die Ruhmeshalle zu laden</translation>
    </message>
    <message>
        <source>read the settings</source>
        <translation>die Einstellungen zu lesen</translation>
    </message>
    <message>
        <source>start a new game</source>
        <translation>ein neues Spiel zu beginnen</translation>
    </message>
    <message>
        <source>read the skin description</source>
        <translation>die Beschreibung des Skins zu lesen</translation>
    </message>
    <message>
        <source>The skin file cound not be opened!</source>
        <translation>Die Skin-Datei konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>load the skin</source>
        <translation>den Skin zu laden</translation>
    </message>
    <message>
        <source>bring the hall of fame up to date</source>
        <translation>die Ruhmeshalle zu aktualisieren</translation>
    </message>
    <message>
        <source>Tesseron could not load the skin: %1</source>
        <translation>Tesseron konnte den Skin nicht laden: %1</translation>
    </message>
    <message>
        <source>Tesseron could not load its own skin either: %1</source>
        <translation>Tesseron konnte auch den eigenen Skin nicht laden: %1</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Neuer Rekord: %1</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>The high scores file was not found! A new file was created.</source>
        <translation>Die Datei der Ruhmeshalle wurde nicht gefunden! Eine neue Datei wurde angelegt.</translation>
    </message>
    <message>
        <source>The high scores file could not be created!</source>
        <translation>Die Datei der Ruhmeshalle konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>The game could not be saved!</source>
        <translation>Das Spiel konnte nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>You can not open the same game twice</source>
        <translation>Dasselbe Spiel lässt sich nicht zweimal laden</translation>
    </message>
    <message>
        <source>Could not open the saved game. A new game started.</source>
        <translation>Das gespeicherte Spiel konnte nicht geöffnet werden. Ein neues Spiel hat begonnen.</translation>
    </message>
    <message>
        <source>there is no permission to read it, or reading it failed</source>
        <translation>es fehlt die Berechtigung zum Lesen, oder das Lesen ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>sie ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>Schreiben in %s nicht möglich</translation>
    </message>
</context>
<context>
    <name>TEnterName</name>
    <message>
        <source>Good work!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>Please enter your name for the hall of fame!</source>
        <translation>Ihr Name für die Ruhmeshalle, bitte!</translation>
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
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPIEL VORBEI</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>New game (%1)</source>
        <extracomment>%1 and %2 are keys, as the desktop names them</extracomment>
        <translation>Neues Spiel (%1)</translation>
    </message>
    <message>
        <source>Hall of fame (%1)</source>
        <translation>Ruhmeshalle (%1)</translation>
    </message>
    <message>
        <source>Help (%1)</source>
        <translation>Hilfe (%1)</translation>
    </message>
    <message>
        <source>Options (%1)</source>
        <translation>Optionen (%1)</translation>
    </message>
    <message>
        <source>Undo (%1)</source>
        <translation>Rückgängig (%1)</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Load or save a game (%1, %2)</source>
        <translation>Spiel laden oder speichern (%1, %2)</translation>
    </message>
    <message>
        <source>Quit (%1)</source>
        <translation>Beenden (%1)</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Aktuelle Uhrzeit</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Bricks: %1, one moving</source>
        <translation>Steine: %1, einer in Bewegung</translation>
    </message>
    <message>
        <source>Bricks: %1</source>
        <translation>Steine: %1</translation>
    </message>
    <message>
        <source>Launch refused</source>
        <translation>Schuss abgelehnt</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Spiel vorbei, Punktestand %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punktestand: %1</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Open a SKIN</source>
        <translation>Skin öffnen</translation>
    </message>
    <message>
        <source>Tesseron skins</source>
        <translation>Tesseron-Skins</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Open music file</source>
        <translation>Musikdatei öffnen</translation>
    </message>
    <message>
        <source>MIDI files (*.mid,*.rmi)</source>
        <translation>MIDI-Dateien (*.mid,*.rmi)</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 Farben</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Music file</source>
        <translation>Musikdatei</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TRules</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Tesseron 1.40
Game, pictures and sounds by Orvane. Free software under the GNU GPL v3 or later.</source>
        <translation>Tesseron 1.40
Spiel, Bilder und Klänge von Orvane. Freie Software unter der GNU GPL v3 oder neuer.</translation>
    </message>
    <message>
        <source>Send e-mail to the author</source>
        <translation>E-Mail an den Autor senden</translation>
    </message>
    <message>
        <source>           [ Rules of the game ]</source>
        <translation>              [ Spielregeln ]</translation>
    </message>
    <message>
        <source>Visit Tesseron website</source>
        <translation>Zur Tesseron-Website</translation>
    </message>
    <message>
        <source>Tesseron in the Internet:</source>
        <translation>Tesseron im Internet:</translation>
    </message>
    <message>
        <source>Visit the                website</source>
        <translation>Zur                        Website</translation>
    </message>
    <message>
        <source>  If you have any questions or problems with the game feel free to e-mail support:</source>
        <translation>  Bei Fragen oder Problemen mit dem Spiel schreiben Sie gern an den Support:</translation>
    </message>
    <message>
        <source>Detailed help, News, Updates, Additional skins, Links...</source>
        <translation>Hilfe, Neuigkeiten, Updates, weitere Skins, Links...</translation>
    </message>
    <message>
        <source>                     [ Tesseron Readme ]</source>
        <translation>                    [ Tesseron Liesmich ]</translation>
    </message>
    <message>
        <source>The Orvane website. News, games, projects, demos...</source>
        <translation>Die Orvane-Website. News, Spiele, Projekte, Demos...</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Tesseron Readme</source>
        <translation>Tesseron Liesmich</translation>
    </message>
    <message>
        <source>Visit the Orvane website</source>
        <translation>Zur Orvane-Website</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TScores</name>
    <message>
        <source>Scores</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <source>Hall of fame</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Splash</source>
        <translation>Startbild</translation>
    </message>
    <message>
        <source>Tesseron could not finish closing: %1</source>
        <translation>Tesseron konnte das Beenden nicht abschließen: %1</translation>
    </message>
</context>
<context>
    <name>Trul</name>
    <message>
        <source>The file was not found!</source>
        <translation>Die Datei wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
