<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Caption</name>
    <message>
        <source>O P T I O N S</source>
        <translation>O P C J E</translation>
    </message>
    <message>
        <source>NUMBER OF COLORS</source>
        <translation>LICZBA KOLORÓW</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <translation>DŹWIĘKI</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MUZYKA</translation>
    </message>
    <message>
        <source>SKIN</source>
        <translation>SKÓRKA</translation>
    </message>
    <message>
        <source>HALL OF FAME</source>
        <translation>GALERIA SŁAW</translation>
    </message>
    <message>
        <source>H E L P</source>
        <translation>P O M O C</translation>
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
        <translation>Użycie: tesseron [--help | --version]

Tesseron, gra logiczna: strzelaj kolorowymi klockami z kolejek otaczających
planszę 10 x 10; trzy lub więcej stykających się klocków jednego koloru
wybucha i daje punkty.

Opcje:
  -h, --help     wyświetla tę pomoc i kończy działanie
      --version  wyświetla wersję i kończy działanie

Pliki:
  $XDG_DATA_HOME/tesseron/ (zwykle ~/.local/share/tesseron/)
      twój folder danych: skórki, dźwięki, teksty, galeria sław (Vexil.hig)
      i zapisane gry (od kelm.sg1 do kelm.sg6)
  $XDG_CONFIG_HOME/tesseron/kelm.ini (zwykle ~/.config/tesseron/kelm.ini)
      ustawienia

Więcej w podręczniku: man tesseron
</translation>
    </message>
    <message>
        <source>tesseron: unknown argument &apos;%1&apos;</source>
        <translation>tesseron: nieznany argument „%1”</translation>
    </message>
</context>
<context>
    <name>OneGame</name>
    <message>
        <source>Tesseron could not lock %1 (%2). This game writes no high scores, saved games or settings, so that it cannot overwrite another game&apos;s in that folder.</source>
        <translation>Tesseron nie mógł zablokować %1 (%2). Ta gra nie zapisuje galerii sław, zapisanych gier ani ustawień, aby nie nadpisać tych, które należą do innej gry w tym folderze.</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (proces %1)</translation>
    </message>
    <message>
        <source>Tesseron is already running in %1%2 but does not answer. This game writes no high scores, saved games or settings, so that it cannot overwrite that game&apos;s.</source>
        <extracomment>%1 is the data folder; %2 is empty or &quot; (process 1234)&quot;</extracomment>
        <translation>Tesseron działa już w %1%2, ale nie odpowiada. Ta gra nie zapisuje galerii sław, zapisanych gier ani ustawień, aby nie nadpisać danych tamtej gry.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Tesseron could not %1: %2</source>
        <extracomment>%1 is one of the start-up&apos;s steps (&quot;load the high scores&quot;); %2 says why</extracomment>
        <translation>Tesseron nie mógł %1: %2</translation>
    </message>
    <message>
        <source>Tesseron could not %1.</source>
        <translation>Tesseron nie mógł %1.</translation>
    </message>
    <message>
        <source>load the high scores</source>
        <translation>wczytać galerii sław</translation>
    </message>
    <message>
        <source>read the settings</source>
        <translation>odczytać ustawień</translation>
    </message>
    <message>
        <source>start a new game</source>
        <translation>rozpocząć nowej gry</translation>
    </message>
    <message>
        <source>read the skin description</source>
        <translation>odczytać opisu skórki</translation>
    </message>
    <message>
        <source>The skin file cound not be opened!</source>
        <translation>Nie udało się otworzyć pliku skórki!</translation>
    </message>
    <message>
        <source>load the skin</source>
        <translation>wczytać skórki</translation>
    </message>
    <message>
        <source>bring the hall of fame up to date</source>
        <translation>zaktualizować galerii sław</translation>
    </message>
    <message>
        <source>Tesseron could not load the skin: %1</source>
        <translation>Tesseron nie mógł wczytać skórki: %1</translation>
    </message>
    <message>
        <source>Tesseron could not load its own skin either: %1</source>
        <translation>Tesseron nie mógł wczytać również własnej skórki: %1</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nowy rekord: %1</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>The high scores file was not found! A new file was created.</source>
        <translation>Nie znaleziono pliku galerii sław! Utworzono nowy plik.</translation>
    </message>
    <message>
        <source>The high scores file could not be created!</source>
        <translation>Nie udało się utworzyć pliku galerii sław!</translation>
    </message>
    <message>
        <source>The game could not be saved!</source>
        <translation>Nie udało się zapisać gry!</translation>
    </message>
    <message>
        <source>You can not open the same game twice</source>
        <translation>Nie możesz otworzyć tej samej gry dwa razy</translation>
    </message>
    <message>
        <source>Could not open the saved game. A new game started.</source>
        <translation>Nie udało się otworzyć zapisanej gry. Rozpoczęto nową grę.</translation>
    </message>
    <message>
        <source>there is no permission to read it, or reading it failed</source>
        <translation>brak uprawnień do odczytu lub odczyt się nie powiódł</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>jest większy niż 1 MiB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>Nie można zapisać do %s</translation>
    </message>
</context>
<context>
    <name>TEnterName</name>
    <message>
        <source>Good work!</source>
        <translation>Dobra robota!</translation>
    </message>
    <message>
        <source>Please enter your name for the hall of fame!</source>
        <translation>Twoje imię do galerii sław!</translation>
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
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>KONIEC GRY</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>New game (%1)</source>
        <extracomment>%1 and %2 are keys, as the desktop names them</extracomment>
        <translation>Nowa gra (%1)</translation>
    </message>
    <message>
        <source>Hall of fame (%1)</source>
        <translation>Galeria sław (%1)</translation>
    </message>
    <message>
        <source>Help (%1)</source>
        <translation>Pomoc (%1)</translation>
    </message>
    <message>
        <source>Options (%1)</source>
        <translation>Opcje (%1)</translation>
    </message>
    <message>
        <source>Undo (%1)</source>
        <translation>Cofnij (%1)</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Load or save a game (%1, %2)</source>
        <translation>Wczytaj lub zapisz grę (%1, %2)</translation>
    </message>
    <message>
        <source>Quit (%1)</source>
        <translation>Zakończ (%1)</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Wczytaj grę</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Bieżąca godzina</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Bricks: %1, one moving</source>
        <translation>Klocki: %1, jeden w ruchu</translation>
    </message>
    <message>
        <source>Bricks: %1</source>
        <translation>Klocki: %1</translation>
    </message>
    <message>
        <source>Launch refused</source>
        <translation>Strzał odrzucony</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Koniec gry, wynik %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Wynik: %1</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Open a SKIN</source>
        <translation>Otwórz skórkę</translation>
    </message>
    <message>
        <source>Tesseron skins</source>
        <translation>Skórki Tesserona</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Open music file</source>
        <translation>Otwórz plik muzyczny</translation>
    </message>
    <message>
        <source>MIDI files (*.mid,*.rmi)</source>
        <translation>Pliki MIDI (*.mid,*.rmi)</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 kolorów</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Music file</source>
        <translation>Plik muzyki</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skórka</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>TRules</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Tesseron 1.40
Game, pictures and sounds by Orvane. Free software under the GNU GPL v3 or later.</source>
        <translation>Tesseron 1.40
Gra, grafika i dźwięki: Orvane. Wolne oprogramowanie na licencji GNU GPL v3 lub nowszej.</translation>
    </message>
    <message>
        <source>Send e-mail to the author</source>
        <translation>Wyślij e-mail do autora</translation>
    </message>
    <message>
        <source>           [ Rules of the game ]</source>
        <translation>              [ Zasady gry ]</translation>
    </message>
    <message>
        <source>Visit Tesseron website</source>
        <translation>Strona gry Tesseron</translation>
    </message>
    <message>
        <source>Tesseron in the Internet:</source>
        <translation>Tesseron w internecie:</translation>
    </message>
    <message>
        <source>Visit the                website</source>
        <translation>Strona                   </translation>
    </message>
    <message>
        <source>  If you have any questions or problems with the game feel free to e-mail support:</source>
        <translation>  Jeśli masz pytania lub problemy z grą, napisz do pomocy technicznej:</translation>
    </message>
    <message>
        <source>Detailed help, News, Updates, Additional skins, Links...</source>
        <translation>Pomoc, nowości, aktualizacje, nowe skórki, linki...</translation>
    </message>
    <message>
        <source>                     [ Tesseron Readme ]</source>
        <translation>                  [ Tesseron: Czytaj mnie ]</translation>
    </message>
    <message>
        <source>The Orvane website. News, games, projects, demos...</source>
        <translation>Strona Orvane. Nowości, gry, projekty, dema...</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Zasady gry</translation>
    </message>
    <message>
        <source>Tesseron Readme</source>
        <translation>Tesseron: Czytaj mnie</translation>
    </message>
    <message>
        <source>Visit the Orvane website</source>
        <translation>Strona Orvane</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>TScores</name>
    <message>
        <source>Scores</source>
        <translation>Galeria sław</translation>
    </message>
    <message>
        <source>Hall of fame</source>
        <translation>Galeria sław</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Splash</source>
        <translation>Ekran powitalny</translation>
    </message>
    <message>
        <source>Tesseron could not finish closing: %1</source>
        <translation>Tesseron nie mógł dokończyć zamykania: %1</translation>
    </message>
</context>
<context>
    <name>Trul</name>
    <message>
        <source>The file was not found!</source>
        <translation>Nie znaleziono pliku!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
</TS>
