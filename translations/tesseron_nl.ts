<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Caption</name>
    <message>
        <source>O P T I O N S</source>
        <translation>O P T I E S</translation>
    </message>
    <message>
        <source>NUMBER OF COLORS</source>
        <translation>AANTAL KLEUREN</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <translation>GELUIDEN</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MUZIEK</translation>
    </message>
    <message>
        <source>SKIN</source>
        <translation>SKIN</translation>
    </message>
    <message>
        <source>HALL OF FAME</source>
        <translation>EREGALERIJ</translation>
    </message>
    <message>
        <source>H E L P</source>
        <translation>H E L P</translation>
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
        <translation>Gebruik: tesseron [--help | --version]

Tesseron, een denkspel: schiet gekleurde stenen uit de rijen rond een speelveld
van 10 x 10; drie of meer aan elkaar grenzende stenen van één kleur ontploffen
en leveren punten op.

Opties:
  -h, --help     deze hulp tonen en afsluiten
      --version  de versie tonen en afsluiten

Bestanden:
  $XDG_DATA_HOME/tesseron/ (meestal ~/.local/share/tesseron/)
      je gegevensmap: skins, geluiden, teksten, de eregalerij (Vexil.hig) en
      de opgeslagen spellen (kelm.sg1 tot en met kelm.sg6)
  $XDG_CONFIG_HOME/tesseron/kelm.ini (meestal ~/.config/tesseron/kelm.ini)
      de instellingen

Meer in de handleiding: man tesseron
</translation>
    </message>
    <message>
        <source>tesseron: unknown argument &apos;%1&apos;</source>
        <translation>tesseron: onbekend argument ‘%1’</translation>
    </message>
</context>
<context>
    <name>OneGame</name>
    <message>
        <source>Tesseron could not lock %1 (%2). This game writes no high scores, saved games or settings, so that it cannot overwrite another game&apos;s in that folder.</source>
        <translation>Tesseron kon %1 niet vergrendelen (%2). Dit spel schrijft geen eregalerij, opgeslagen spellen of instellingen, zodat het die van een ander spel in die map niet kan overschrijven.</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (proces %1)</translation>
    </message>
    <message>
        <source>Tesseron is already running in %1%2 but does not answer. This game writes no high scores, saved games or settings, so that it cannot overwrite that game&apos;s.</source>
        <extracomment>%1 is the data folder; %2 is empty or &quot; (process 1234)&quot;</extracomment>
        <translation>Tesseron draait al in %1%2, maar antwoordt niet. Dit spel schrijft geen eregalerij, opgeslagen spellen of instellingen, zodat het die van het andere spel niet kan overschrijven.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Tesseron could not %1: %2</source>
        <extracomment>%1 is one of the start-up&apos;s steps (&quot;load the high scores&quot;); %2 says why</extracomment>
        <translation>Het is Tesseron niet gelukt %1: %2</translation>
    </message>
    <message>
        <source>Tesseron could not %1.</source>
        <translation>Het is Tesseron niet gelukt %1.</translation>
    </message>
    <message>
        <source>load the high scores</source>
        <translation>de eregalerij te laden</translation>
    </message>
    <message>
        <source>read the settings</source>
        <translation>de instellingen te lezen</translation>
    </message>
    <message>
        <source>start a new game</source>
        <translation>een nieuw spel te beginnen</translation>
    </message>
    <message>
        <source>read the skin description</source>
        <translation>de beschrijving van de skin te lezen</translation>
    </message>
    <message>
        <source>The skin file cound not be opened!</source>
        <translation>Het skinbestand kon niet worden geopend!</translation>
    </message>
    <message>
        <source>load the skin</source>
        <translation>de skin te laden</translation>
    </message>
    <message>
        <source>bring the hall of fame up to date</source>
        <translation>de eregalerij bij te werken</translation>
    </message>
    <message>
        <source>Tesseron could not load the skin: %1</source>
        <translation>Tesseron kon de skin niet laden: %1</translation>
    </message>
    <message>
        <source>Tesseron could not load its own skin either: %1</source>
        <translation>Tesseron kon ook de eigen skin niet laden: %1</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nieuwe topscore: %1</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>The high scores file was not found! A new file was created.</source>
        <translation>Het bestand van de eregalerij is niet gevonden! Er is een nieuw bestand gemaakt.</translation>
    </message>
    <message>
        <source>The high scores file could not be created!</source>
        <translation>Het bestand van de eregalerij kon niet worden gemaakt!</translation>
    </message>
    <message>
        <source>The game could not be saved!</source>
        <translation>Het spel kon niet worden opgeslagen!</translation>
    </message>
    <message>
        <source>You can not open the same game twice</source>
        <translation>Je kunt hetzelfde spel niet twee keer openen</translation>
    </message>
    <message>
        <source>Could not open the saved game. A new game started.</source>
        <translation>Het opgeslagen spel kon niet worden geopend. Er is een nieuw spel begonnen.</translation>
    </message>
    <message>
        <source>there is no permission to read it, or reading it failed</source>
        <translation>er is geen toestemming om het te lezen, of het lezen is mislukt</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>het is groter dan 1 MiB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>Kan niet schrijven naar %s</translation>
    </message>
</context>
<context>
    <name>TEnterName</name>
    <message>
        <source>Good work!</source>
        <translation>Goed gedaan!</translation>
    </message>
    <message>
        <source>Please enter your name for the hall of fame!</source>
        <translation>Je naam voor de eregalerij!</translation>
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
        <translation>Spel voorbij</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPEL VOORBIJ</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>New game (%1)</source>
        <extracomment>%1 and %2 are keys, as the desktop names them</extracomment>
        <translation>Nieuw spel (%1)</translation>
    </message>
    <message>
        <source>Hall of fame (%1)</source>
        <translation>Eregalerij (%1)</translation>
    </message>
    <message>
        <source>Help (%1)</source>
        <translation>Help (%1)</translation>
    </message>
    <message>
        <source>Options (%1)</source>
        <translation>Opties (%1)</translation>
    </message>
    <message>
        <source>Undo (%1)</source>
        <translation>Ongedaan maken (%1)</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Load or save a game (%1, %2)</source>
        <translation>Spel laden of opslaan (%1, %2)</translation>
    </message>
    <message>
        <source>Quit (%1)</source>
        <translation>Afsluiten (%1)</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spel laden</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Huidige tijd</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>Bricks: %1, one moving</source>
        <translation>Stenen: %1, één in beweging</translation>
    </message>
    <message>
        <source>Bricks: %1</source>
        <translation>Stenen: %1</translation>
    </message>
    <message>
        <source>Launch refused</source>
        <translation>Schot geweigerd</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Spel voorbij, score %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score: %1</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Open a SKIN</source>
        <translation>Skin openen</translation>
    </message>
    <message>
        <source>Tesseron skins</source>
        <translation>Tesseron-skins</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>Open music file</source>
        <translation>Muziekbestand openen</translation>
    </message>
    <message>
        <source>MIDI files (*.mid,*.rmi)</source>
        <translation>MIDI-bestanden (*.mid,*.rmi)</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 kleuren</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluiden</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <source>Music file</source>
        <translation>Muziekbestand</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>TRules</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Tesseron 1.40
Game, pictures and sounds by Orvane. Free software under the GNU GPL v3 or later.</source>
        <translation>Tesseron 1.40
Spel, afbeeldingen en geluiden door Orvane. Vrije software onder de GNU GPL v3 of later.</translation>
    </message>
    <message>
        <source>Send e-mail to the author</source>
        <translation>De auteur e-mailen</translation>
    </message>
    <message>
        <source>           [ Rules of the game ]</source>
        <translation>              [ Spelregels ]</translation>
    </message>
    <message>
        <source>Visit Tesseron website</source>
        <translation>De Tesseron-website</translation>
    </message>
    <message>
        <source>Tesseron in the Internet:</source>
        <translation>Tesseron op internet:</translation>
    </message>
    <message>
        <source>Visit the                website</source>
        <translation>De                          website</translation>
    </message>
    <message>
        <source>  If you have any questions or problems with the game feel free to e-mail support:</source>
        <translation>  Heb je vragen of problemen met het spel? Mail gerust de ondersteuning:</translation>
    </message>
    <message>
        <source>Detailed help, News, Updates, Additional skins, Links...</source>
        <translation>Help, nieuws, updates, extra skins, links...</translation>
    </message>
    <message>
        <source>                     [ Tesseron Readme ]</source>
        <translation>                    [ Tesseron Leesmij ]</translation>
    </message>
    <message>
        <source>The Orvane website. News, games, projects, demos...</source>
        <translation>De Orvane-website. Nieuws, spellen, projecten, demo&apos;s...</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>Tesseron Readme</source>
        <translation>Tesseron Leesmij</translation>
    </message>
    <message>
        <source>Visit the Orvane website</source>
        <translation>De Orvane-website</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>TScores</name>
    <message>
        <source>Scores</source>
        <translation>Eregalerij</translation>
    </message>
    <message>
        <source>Hall of fame</source>
        <translation>Eregalerij</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Splash</source>
        <translation>Startscherm</translation>
    </message>
    <message>
        <source>Tesseron could not finish closing: %1</source>
        <translation>Tesseron kon het afsluiten niet voltooien: %1</translation>
    </message>
</context>
<context>
    <name>Trul</name>
    <message>
        <source>The file was not found!</source>
        <translation>Het bestand is niet gevonden!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
</TS>
