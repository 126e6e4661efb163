<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Caption</name>
    <message>
        <source>O P T I O N S</source>
        <translation>O P T I O N S</translation>
    </message>
    <message>
        <source>NUMBER OF COLORS</source>
        <translation>NOMBRE DE COULEURS</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <translation>SONS</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MUSIQUE</translation>
    </message>
    <message>
        <source>SKIN</source>
        <translation>SKIN</translation>
    </message>
    <message>
        <source>HALL OF FAME</source>
        <translation>PALMARÈS</translation>
    </message>
    <message>
        <source>H E L P</source>
        <translation>A I D E</translation>
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
        <translation>Usage : tesseron [--help | --version]

Tesseron, un jeu de réflexion : tirez des briques de couleur depuis les files qui
entourent un plateau de 10 x 10 ; trois briques ou plus d&apos;une même couleur qui se
touchent explosent et rapportent des points.

Options :
  -h, --help     afficher cette aide et quitter
      --version  afficher la version et quitter

Fichiers :
  $XDG_DATA_HOME/tesseron/ (normalement ~/.local/share/tesseron/)
      votre dossier de données : habillages, sons, textes, le tableau d&apos;honneur
      (Vexil.hig) et les parties enregistrées (kelm.sg1 à kelm.sg6)
  $XDG_CONFIG_HOME/tesseron/kelm.ini (normalement ~/.config/tesseron/kelm.ini)
      les réglages

Plus d&apos;informations dans le manuel : man tesseron
</translation>
    </message>
    <message>
        <source>tesseron: unknown argument &apos;%1&apos;</source>
        <translation>tesseron : argument inconnu « %1 »</translation>
    </message>
</context>
<context>
    <name>OneGame</name>
    <message>
        <source>Tesseron could not lock %1 (%2). This game writes no high scores, saved games or settings, so that it cannot overwrite another game&apos;s in that folder.</source>
        <translation>Tesseron n&apos;a pas pu verrouiller %1 (%2). Ce jeu n&apos;enregistre ni le tableau d&apos;honneur, ni les parties, ni les réglages, afin de ne pas écraser ceux d&apos;un autre jeu dans ce dossier.</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (processus %1)</translation>
    </message>
    <message>
        <source>Tesseron is already running in %1%2 but does not answer. This game writes no high scores, saved games or settings, so that it cannot overwrite that game&apos;s.</source>
        <extracomment>%1 is the data folder; %2 is empty or &quot; (process 1234)&quot;</extracomment>
        <translation>Tesseron tourne déjà dans %1%2 mais ne répond pas. Ce jeu n&apos;enregistre ni le tableau d&apos;honneur, ni les parties, ni les réglages, afin de ne pas écraser ceux de l&apos;autre.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Tesseron could not %1: %2</source>
        <extracomment>%1 is one of the start-up&apos;s steps (&quot;load the high scores&quot;); %2 says why</extracomment>
        <translation>Tesseron n&apos;a pas pu %1 : %2</translation>
    </message>
    <message>
        <source>Tesseron could not %1.</source>
        <translation>Tesseron n&apos;a pas pu %1.</translation>
    </message>
    <message>
        <source>load the high scores</source>
        <translation>charger le tableau d&apos;honneur</translation>
    </message>
    <message>
        <source>read the settings</source>
        <translation>lire les réglages</translation>
    </message>
    <message>
        <source>start a new game</source>
        <translation>commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>read the skin description</source>
        <translation>lire la description de l&apos;habillage</translation>
    </message>
    <message>
        <source>The skin file cound not be opened!</source>
        <translation>Le fichier d&apos;habillage n&apos;a pas pu être ouvert !</translation>
    </message>
    <message>
        <source>load the skin</source>
        <translation>charger l&apos;habillage</translation>
    </message>
    <message>
        <source>bring the hall of fame up to date</source>
        <translation>mettre à jour le tableau d&apos;honneur</translation>
    </message>
    <message>
        <source>Tesseron could not load the skin: %1</source>
        <translation>Tesseron n&apos;a pas pu charger l&apos;habillage : %1</translation>
    </message>
    <message>
        <source>Tesseron could not load its own skin either: %1</source>
        <translation>Tesseron n&apos;a pas pu charger non plus son propre habillage : %1</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nouveau record : %1</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>The high scores file was not found! A new file was created.</source>
        <translation>Le fichier du tableau d&apos;honneur est introuvable ! Un nouveau fichier a été créé.</translation>
    </message>
    <message>
        <source>The high scores file could not be created!</source>
        <translation>Le fichier du tableau d&apos;honneur n&apos;a pas pu être créé !</translation>
    </message>
    <message>
        <source>The game could not be saved!</source>
        <translation>La partie n&apos;a pas pu être enregistrée !</translation>
    </message>
    <message>
        <source>You can not open the same game twice</source>
        <translation>Vous ne pouvez pas ouvrir deux fois la même partie</translation>
    </message>
    <message>
        <source>Could not open the saved game. A new game started.</source>
        <translation>Impossible d&apos;ouvrir la partie enregistrée. Une nouvelle partie a commencé.</translation>
    </message>
    <message>
        <source>there is no permission to read it, or reading it failed</source>
        <translation>vous n&apos;avez pas le droit de le lire, ou sa lecture a échoué</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>il dépasse 1 Mio</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>Impossible d&apos;écrire dans %s</translation>
    </message>
</context>
<context>
    <name>TEnterName</name>
    <message>
        <source>Good work!</source>
        <translation>Bien joué !</translation>
    </message>
    <message>
        <source>Please enter your name for the hall of fame!</source>
        <translation>Votre nom pour le tableau d&apos;honneur !</translation>
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
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>PARTIE TERMINÉE</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>New game (%1)</source>
        <extracomment>%1 and %2 are keys, as the desktop names them</extracomment>
        <translation>Nouvelle partie (%1)</translation>
    </message>
    <message>
        <source>Hall of fame (%1)</source>
        <translation>Tableau d&apos;honneur (%1)</translation>
    </message>
    <message>
        <source>Help (%1)</source>
        <translation>Aide (%1)</translation>
    </message>
    <message>
        <source>Options (%1)</source>
        <translation>Options (%1)</translation>
    </message>
    <message>
        <source>Undo (%1)</source>
        <translation>Annuler (%1)</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Load or save a game (%1, %2)</source>
        <translation>Charger ou enregistrer une partie (%1, %2)</translation>
    </message>
    <message>
        <source>Quit (%1)</source>
        <translation>Quitter (%1)</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Charger la partie</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Heure actuelle</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Bricks: %1, one moving</source>
        <translation>Briques : %1, dont une en mouvement</translation>
    </message>
    <message>
        <source>Bricks: %1</source>
        <translation>Briques : %1</translation>
    </message>
    <message>
        <source>Launch refused</source>
        <translation>Tir refusé</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Partie terminée, score %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score : %1</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Open a SKIN</source>
        <translation>Ouvrir un habillage</translation>
    </message>
    <message>
        <source>Tesseron skins</source>
        <translation>Habillages Tesseron</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Open music file</source>
        <translation>Ouvrir un fichier de musique</translation>
    </message>
    <message>
        <source>MIDI files (*.mid,*.rmi)</source>
        <translation>Fichiers MIDI (*.mid,*.rmi)</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 couleurs</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Music file</source>
        <translation>Fichier de musique</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Habillage</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TRules</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Tesseron 1.40
Game, pictures and sounds by Orvane. Free software under the GNU GPL v3 or later.</source>
        <translation>Tesseron 1.40
Jeu, images et sons par Orvane. Logiciel libre sous GNU GPL v3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Send e-mail to the author</source>
        <translation>Envoyer un e-mail à l&apos;auteur</translation>
    </message>
    <message>
        <source>           [ Rules of the game ]</source>
        <translation>             [ Règles du jeu ]</translation>
    </message>
    <message>
        <source>Visit Tesseron website</source>
        <translation>Le site de Tesseron</translation>
    </message>
    <message>
        <source>Tesseron in the Internet:</source>
        <translation>Tesseron sur Internet :</translation>
    </message>
    <message>
        <source>Visit the                website</source>
        <translation>Le site                  </translation>
    </message>
    <message>
        <source>  If you have any questions or problems with the game feel free to e-mail support:</source>
        <translation>  Pour toute question ou tout problème avec le jeu, écrivez au support :</translation>
    </message>
    <message>
        <source>Detailed help, News, Updates, Additional skins, Links...</source>
        <translation>Aide, actualités, mises à jour, habillages, liens...</translation>
    </message>
    <message>
        <source>                     [ Tesseron Readme ]</source>
        <translation>                  [ Lisez-moi de Tesseron ]</translation>
    </message>
    <message>
        <source>The Orvane website. News, games, projects, demos...</source>
        <translation>Le site d&apos;Orvane. Actualités, jeux, projets, démos...</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>Tesseron Readme</source>
        <translation>Lisez-moi de Tesseron</translation>
    </message>
    <message>
        <source>Visit the Orvane website</source>
        <translation>Le site d&apos;Orvane</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TScores</name>
    <message>
        <source>Scores</source>
        <translation>Tableau d&apos;honneur</translation>
    </message>
    <message>
        <source>Hall of fame</source>
        <translation>Tableau d&apos;honneur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Splash</source>
        <translation>Écran d&apos;accueil</translation>
    </message>
    <message>
        <source>Tesseron could not finish closing: %1</source>
        <translation>Tesseron n&apos;a pas pu terminer sa fermeture : %1</translation>
    </message>
</context>
<context>
    <name>Trul</name>
    <message>
        <source>The file was not found!</source>
        <translation>Le fichier est introuvable !</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
