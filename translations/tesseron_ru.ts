<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Caption</name>
    <message>
        <source>O P T I O N S</source>
        <translation>Н А С Т Р О Й К И</translation>
    </message>
    <message>
        <source>NUMBER OF COLORS</source>
        <translation>ЧИСЛО ЦВЕТОВ</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <translation>ЗВУКИ</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>МУЗЫКА</translation>
    </message>
    <message>
        <source>SKIN</source>
        <translation>СКИН</translation>
    </message>
    <message>
        <source>HALL OF FAME</source>
        <translation>ЗАЛ СЛАВЫ</translation>
    </message>
    <message>
        <source>H E L P</source>
        <translation>П О М О Щ Ь</translation>
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
        <translation>Использование: tesseron [--help | --version]

Tesseron — головоломка: стреляйте цветными блоками из очередей вокруг игрового
поля 10 x 10; три и более соприкасающихся блока одного цвета взрываются
и приносят очки.

Параметры:
  -h, --help     показать эту справку и выйти
      --version  показать версию и выйти

Файлы:
  $XDG_DATA_HOME/tesseron/ (обычно ~/.local/share/tesseron/)
      ваша папка данных: скины, звуки, тексты, зал славы (Vexil.hig)
      и сохранённые игры (с kelm.sg1 по kelm.sg6)
  $XDG_CONFIG_HOME/tesseron/kelm.ini (обычно ~/.config/tesseron/kelm.ini)
      настройки

Подробнее в руководстве: man tesseron
</translation>
    </message>
    <message>
        <source>tesseron: unknown argument &apos;%1&apos;</source>
        <translation>tesseron: неизвестный аргумент «%1»</translation>
    </message>
</context>
<context>
    <name>OneGame</name>
    <message>
        <source>Tesseron could not lock %1 (%2). This game writes no high scores, saved games or settings, so that it cannot overwrite another game&apos;s in that folder.</source>
        <translation>Игре Tesseron не удалось заблокировать %1 (%2). Эта игра не записывает зал славы, сохранённые игры и настройки, чтобы не затереть данные другой игры в этой папке.</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (процесс %1)</translation>
    </message>
    <message>
        <source>Tesseron is already running in %1%2 but does not answer. This game writes no high scores, saved games or settings, so that it cannot overwrite that game&apos;s.</source>
        <extracomment>%1 is the data folder; %2 is empty or &quot; (process 1234)&quot;</extracomment>
        <translation>Tesseron уже запущен в %1%2, но не отвечает. Эта игра не записывает зал славы, сохранённые игры и настройки, чтобы не затереть данные той игры.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Tesseron could not %1: %2</source>
        <extracomment>%1 is one of the start-up&apos;s steps (&quot;load the high scores&quot;); %2 says why</extracomment>
        <translation>Игре Tesseron не удалось %1: %2</translation>
    </message>
    <message>
        <source>Tesseron could not %1.</source>
        <translation>Игре Tesseron не удалось %1.</translation>
    </message>
    <message>
        <source>load the high scores</source>
        <translation>загрузить зал славы</translation>
    </message>
    <message>
        <source>read the settings</source>
        <translation>прочитать настройки</translation>
    </message>
    <message>
        <source>start a new game</source>
        <translation>начать новую игру</translation>
    </message>
    <message>
        <source>read the skin description</source>
        <translation>прочитать описание скина</translation>
    </message>
    <message>
        <source>The skin file cound not be opened!</source>
        <translation>Не удалось открыть файл скина!</translation>
    </message>
    <message>
        <source>load the skin</source>
        <translation>загрузить скин</translation>
    </message>
    <message>
        <source>bring the hall of fame up to date</source>
        <translation>обновить зал славы</translation>
    </message>
    <message>
        <source>Tesseron could not load the skin: %1</source>
        <translation>Игре Tesseron не удалось загрузить скин: %1</translation>
    </message>
    <message>
        <source>Tesseron could not load its own skin either: %1</source>
        <translation>Игре Tesseron не удалось загрузить и собственный скин: %1</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Новый рекорд: %1</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>The high scores file was not found! A new file was created.</source>
        <translation>Файл зала славы не найден! Создан новый файл.</translation>
    </message>
    <message>
        <source>The high scores file could not be created!</source>
        <translation>Не удалось создать файл зала славы!</translation>
    </message>
    <message>
        <source>The game could not be saved!</source>
        <translation>Не удалось сохранить игру!</translation>
    </message>
    <message>
        <source>You can not open the same game twice</source>
        <translation>Нельзя открыть одну и ту же игру дважды</translation>
    </message>
    <message>
        <source>Could not open the saved game. A new game started.</source>
        <translation>Не удалось открыть сохранённую игру. Начата новая игра.</translation>
    </message>
    <message>
        <source>there is no permission to read it, or reading it failed</source>
        <translation>нет прав на чтение, или чтение не удалось</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>он больше 1 МиБ</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>Не удаётся записать в %s</translation>
    </message>
</context>
<context>
    <name>TEnterName</name>
    <message>
        <source>Good work!</source>
        <translation>Отлично!</translation>
    </message>
    <message>
        <source>Please enter your name for the hall of fame!</source>
        <translation>Ваше имя для зала славы!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TGameOver</name>
    <message>
        <source>GameOver</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>ИГРА ОКОНЧЕНА</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>New game (%1)</source>
        <extracomment>%1 and %2 are keys, as the desktop names them</extracomment>
        <translation>Новая игра (%1)</translation>
    </message>
    <message>
        <source>Hall of fame (%1)</source>
        <translation>Зал славы (%1)</translation>
    </message>
    <message>
        <source>Help (%1)</source>
        <translation>Справка (%1)</translation>
    </message>
    <message>
        <source>Options (%1)</source>
        <translation>Настройки (%1)</translation>
    </message>
    <message>
        <source>Undo (%1)</source>
        <translation>Отменить ход (%1)</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Load or save a game (%1, %2)</source>
        <translation>Загрузить или сохранить игру (%1, %2)</translation>
    </message>
    <message>
        <source>Quit (%1)</source>
        <translation>Выход (%1)</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Загрузить игру</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Сохранить игру</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Текущее время</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Bricks: %1, one moving</source>
        <translation>Блоки: %1, один в движении</translation>
    </message>
    <message>
        <source>Bricks: %1</source>
        <translation>Блоки: %1</translation>
    </message>
    <message>
        <source>Launch refused</source>
        <translation>Выстрел отклонён</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Игра окончена, счёт %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Счёт: %1</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Open a SKIN</source>
        <translation>Открыть скин</translation>
    </message>
    <message>
        <source>Tesseron skins</source>
        <translation>Скины Tesseron</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Open music file</source>
        <translation>Открыть файл музыки</translation>
    </message>
    <message>
        <source>MIDI files (*.mid,*.rmi)</source>
        <translation>Файлы MIDI (*.mid,*.rmi)</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 цветов</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Music file</source>
        <translation>Файл музыки</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Скин</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>TRules</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Tesseron 1.40
Game, pictures and sounds by Orvane. Free software under the GNU GPL v3 or later.</source>
        <translation>Tesseron 1.40
Игра, графика и звуки: Orvane. Свободная программа под лицензией GNU GPL v3 или новее.</translation>
    </message>
    <message>
        <source>Send e-mail to the author</source>
        <translation>Написать автору</translation>
    </message>
    <message>
        <source>           [ Rules of the game ]</source>
        <translation>             [ Правила игры ]</translation>
    </message>
    <message>
        <source>Visit Tesseron website</source>
        <translation>Сайт игры Tesseron</translation>
    </message>
    <message>
        <source>Tesseron in the Internet:</source>
        <translation>Tesseron в интернете:</translation>
    </message>
    <message>
        <source>Visit the                website</source>
        <translation>Сайт                     </translation>
    </message>
    <message>
        <source>  If you have any questions or problems with the game feel free to e-mail support:</source>
        <translation>  Если у вас есть вопросы или проблемы с игрой, напишите в поддержку:</translation>
    </message>
    <message>
        <source>Detailed help, News, Updates, Additional skins, Links...</source>
        <translation>Справка, новости, обновления, скины, ссылки...</translation>
    </message>
    <message>
        <source>                     [ Tesseron Readme ]</source>
        <translation>                    [ Описание Tesseron ]</translation>
    </message>
    <message>
        <source>The Orvane website. News, games, projects, demos...</source>
        <translation>Сайт Orvane. Новости, игры, проекты, демо...</translation>
    </message>
    <message>
        <source>Rules of the game</source>
        <translation>Правила игры</translation>
    </message>
    <message>
        <source>Tesseron Readme</source>
        <translation>Описание Tesseron</translation>
    </message>
    <message>
        <source>Visit the Orvane website</source>
        <translation>Сайт Orvane</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>TScores</name>
    <message>
        <source>Scores</source>
        <translation>Зал славы</translation>
    </message>
    <message>
        <source>Hall of fame</source>
        <translation>Зал славы</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Splash</source>
        <translation>Заставка</translation>
    </message>
    <message>
        <source>Tesseron could not finish closing: %1</source>
        <translation>Игре Tesseron не удалось завершить закрытие: %1</translation>
    </message>
</context>
<context>
    <name>Trul</name>
    <message>
        <source>The file was not found!</source>
        <translation>Файл не найден!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
