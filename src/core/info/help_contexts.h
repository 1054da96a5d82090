#pragma once
// Help context numbers: the topic F1 opens for a page, group or dialog, and
// the topics the Help menu and the Welcome page open. The help's index maps
// each number to its page.
namespace core::info::help {

inline constexpr int EASY_LAYOUT_INTRO = 990;     //!< after "&Easy Layout" on the Welcome page
inline constexpr int ADVANCED_LAYOUT_INTRO = 991; //!< after "&Advanced Layout"
inline constexpr int GETTING_STARTED = 992;
inline constexpr int WELCOME = 999;
inline constexpr int EASY_PAGE = 1000; //!< the Easy page and its heading "I want to..."
inline constexpr int GRAPHICAL_HELP = 1015;
inline constexpr int EDITOR_OPTIONS = 690;
inline constexpr int EDITING = 701;     //!< the editor, Find and Replace
inline constexpr int INSERT_AIDS = 702; //!< Insert Filename, Insert Path, Variable Select
inline constexpr int CHECKER = 703;     //!< the Problems list
inline constexpr int SUPPORT = 704;     //!< About
inline constexpr int TEMPLATES = 1500;
inline constexpr int TEMPLATES_ADD = 1501;

inline constexpr int RESET_CHOICES = 2999;
inline constexpr int UPDATE_DIALOG = 3000; //!< its panels
inline constexpr int UPDATE_LIST = 3001;
inline constexpr int UPDATE_TARGET = 3002;
inline constexpr int UPDATE_BUTTON = 3003;
inline constexpr int UPDATE_CANCEL = 3004;
inline constexpr int DIRECTORY_DIALOG = 3230; //!< the destination Browse dialog

inline constexpr int COPY_AND_MOVE = 3250;
inline constexpr int DELETE_FILES = 3251;
inline constexpr int RENAME_AND_NEW_DIRECTORY = 3252;
inline constexpr int USER_INTERACTION = 3500;
inline constexpr int RUN_PROGRAM = 3750;
inline constexpr int OPEN_FILES = 3751;
inline constexpr int SHUTDOWN = 520;
inline constexpr int KEYBOARD_INPUT = 525;
inline constexpr int COMBINE_FILES = 530;
inline constexpr int COMBINE_BINARY_FILES = 532;
inline constexpr int IF_STATEMENT = 100;
inline constexpr int VARIABLES = 101;
inline constexpr int FOR_AND_ATTRIBUTES_PAGE = 230;
inline constexpr int FOR_STATEMENT = 231;
inline constexpr int FILE_ATTRIBUTES = 232;
inline constexpr int SUBSTITUTE_DRIVE = 233;

inline constexpr int NETWORK_PAGE = 9000;
inline constexpr int NETWORK_SHARING = 9001;
inline constexpr int NETWORK_SERVICES = 9002;
inline constexpr int OTHER_NETWORK_COMMANDS = 9003;
inline constexpr int SHARE_GROUP = 9010;           //!< create or remove a share
inline constexpr int SHARE_OPTIONS = 9011;         //!< comment, offline caching, users
inline constexpr int CONNECT_GROUP = 9012;         //!< connect to or disconnect from a share
inline constexpr int CONNECT_OPTIONS = 9013;       //!< device, password, user name
inline constexpr int START_STOP_SERVICE = 9020;
inline constexpr int ADD_SERVICE = 9021;           //!< "Add a new service to the list" and its dialog
inline constexpr int PAUSE_CONTINUE_SERVICE = 9022;
inline constexpr int SERVER_COMMANDS = 9030;
inline constexpr int USER_ACCOUNT_DETAILS = 9031;

inline constexpr int UPDATE_WINDOW = 5000;
inline constexpr int UPDATE_NOTICE = 5001;
inline constexpr int UPDATE_CONNECT = 5002;
inline constexpr int UPDATE_DOWNLOAD = 5003;
inline constexpr int UPDATE_CLOSE = 5004;
inline constexpr int UPDATE_SAVE = 5005;
inline constexpr int UPDATE_COPY = 5006;
inline constexpr int UPDATE_PRINT = 5007;
inline constexpr int UPDATE_CONNECTION_PROBLEMS = 5008;
inline constexpr int UPDATE_VERSIONS = 5009;

} // namespace core::info::help
