// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of the string table's entries, by what they are for.
#pragma once

namespace jex::textid {

// Window titles and the one fixed button caption
inline constexpr int programtitle = 90;
inline constexpr int keypadtitle = 91;
inline constexpr int toolstitle = 92;
inline constexpr int drawingtitle = 93;
inline constexpr int exitcaption = 100;

// Captions and labels
inline constexpr int xvalue = 101;
inline constexpr int yvalue = 102;
inline constexpr int heading = 103;
inline constexpr int speed = 104;
inline constexpr int pen = 105;
inline constexpr int centre = 107;
inline constexpr int clear = 108;
inline constexpr int target = 109;
inline constexpr int programname = 111;
inline constexpr int me = 114;
inline constexpr int change = 115;
inline constexpr int use = 116;
inline constexpr int load = 117;
inline constexpr int print = 118;
inline constexpr int save = 119;
inline constexpr int endchange = 142;
inline constexpr int myname = 149;
inline constexpr int myprogram = 150;  // 151 and 152 follow: the names of slots 1 and 2
inline constexpr int functionone = 151;
inline constexpr int functiontwo = 152;
inline constexpr int cancel = 157;
inline constexpr int exitanyway = 158;
inline constexpr int on = 165;
inline constexpr int off = 166;
inline constexpr int xequals = 167;
inline constexpr int yequals = 168;

// Listing words
inline constexpr int forward = 130;
inline constexpr int backward = 131;
inline constexpr int left = 132;
inline constexpr int right = 133;
inline constexpr int pause = 134;
inline constexpr int note = 135;
inline constexpr int repeat = 136;
inline constexpr int flash = 137;
inline constexpr int end = 138;

// Editing messages
inline constexpr int programfull = 122;
inline constexpr int toomanyrepeats = 123;
inline constexpr int nomatchingrepeat = 124;
inline constexpr int expectingnumber = 125;
inline constexpr int expectingcommand = 126;
inline constexpr int cantusehere = 153;
inline constexpr int toolong = 176;
inline constexpr int nomatchingend = 177;
inline constexpr int nothingtorubout = 178;

// Run messages
inline constexpr int running = 120;
inline constexpr int stopped = 121;
inline constexpr int finished = 155;
inline constexpr int crashed = 160;
inline constexpr int parked = 161;
inline constexpr int missed = 162;

// Files, exit and printing
inline constexpr int cantopenfile = 154;
inline constexpr int notsaved = 156;
inline constexpr int notsavedcontinue = 169;
inline constexpr int filefilter = 170;
inline constexpr int cancelled = 171;
inline constexpr int writtenby = 172;
inline constexpr int datepattern = 174;
inline constexpr int printfinished = 175;
inline constexpr int printererror = 159;

// Starting from a terminal
inline constexpr int usage = 400;
inline constexpr int whatitdoes = 401;
inline constexpr int helpoption = 402;
inline constexpr int versionoption = 403;
inline constexpr int keyboardkeys = 404;
inline constexpr int programtitlefull = 405;
inline constexpr int nodesktop = 406;
inline constexpr int unknownoption = 407;
inline constexpr int toomanyfiles = 408;
inline constexpr int tryhelp = 409;

// Controls as a screen reader and a tool tip name them
inline constexpr int keytooltip = 410;       // "%1: %2", the key's name and its keyboard keys
inline constexpr int keyboardkeyor = 411;    // between two keyboard keys
inline constexpr int digitkeys = 412;
inline constexpr int listing = 413;
inline constexpr int drawingarea = 414;
inline constexpr int firstkeypadname = 420;  // the 24 keys follow in keypad order


// The drawing as a picture or a page
inline constexpr int copypicture = 500;
inline constexpr int savepicture = 501;
inline constexpr int savepage = 502;
inline constexpr int picturefilter = 503;
inline constexpr int pagefilter = 504;
inline constexpr int picturecopied = 505;

// The export and the projector's zoom on the command line
inline constexpr int exportusage = 510;
inline constexpr int exportoption = 511;
inline constexpr int screenoption = 512;
inline constexpr int zoomoption = 513;
inline constexpr int exportneedsfiletype = 514;
inline constexpr int exportneedsprogram = 515;
inline constexpr int screenneedssize = 516;
inline constexpr int screenneedsexport = 517;
inline constexpr int zoomneedspercent = 518;
inline constexpr int zoomwithexport = 519;
inline constexpr int cannotreadprogram = 520;
inline constexpr int cannotwrite = 521;

// The help window: its title, headings, the F1 key, then a name and what it
// does for each keypad key (digits first, then in keypad order) and each tool
inline constexpr int helptitle = 530;
inline constexpr int helpkeypad = 531;
inline constexpr int helpkeyboard = 532;
inline constexpr int helptools = 533;
inline constexpr int helpkeydoes = 535;
inline constexpr int digitsname = 540;
inline constexpr int digitsdo = 541;
inline constexpr int forwardsdoes = 542;
inline constexpr int backwardsdoes = 543;
inline constexpr int leftdoes = 544;
inline constexpr int rightdoes = 545;
inline constexpr int notedoes = 546;
inline constexpr int flashdoes = 547;
inline constexpr int pausedoes = 548;
inline constexpr int repeatdoes = 549;
inline constexpr int enddoes = 550;
inline constexpr int godoes = 551;
inline constexpr int testdoes = 552;
inline constexpr int cmdoes = 553;
inline constexpr int cedoes = 554;
inline constexpr int rmdoes = 555;
inline constexpr int firsttoolhelp = 560; // name, then what it does, for each tool
inline constexpr int lasttoolhelp = 579;
// Languages
inline constexpr int languageoption = 480;
inline constexpr int nosuchlanguage = 481;   // followed by the language asked for
inline constexpr int languagemissing = 482;
inline constexpr int yes = 483;  // the answers of a Yes or No question; & marks the key
inline constexpr int no = 484;
// Reaching everything from the keyboard and a screen reader
inline constexpr int targetplace = 600;    // the target on the drawing, "%1" and "%2" its place
inline constexpr int unnamedprogram = 601; // the listing's title while the program has no name
inline constexpr int tabkeys = 602;
inline constexpr int windowkeys = 603;
inline constexpr int sliderkeys = 604;
inline constexpr int nameboxkeys = 605;
// What a screen reader's user hears beside the status line's messages
inline constexpr int robotplace = 870;      // "%1", "%2" the robot's place, "%3" its heading
inline constexpr int rubbedout = 871;       // "%1" the step rubbed out
inline constexpr int programcleared = 872;
inline constexpr int programback = 873;     // "%1" how many steps
inline constexpr int manysteps = 874;       // "%1" the number of steps
inline constexpr int onestep = 875;
inline constexpr int nosteps = 876;
inline constexpr int spokenpair = 877;      // two parts of one phrase, "%1" and "%2"
inline constexpr int savedas = 878;         // "%1" the program's name
inline constexpr int notparked = 879;
inline constexpr int notarget = 880;
inline constexpr int drawingcleared = 881;
inline constexpr int robotcentred = 882;
inline constexpr int manylines = 883;       // "%1" the number of pen lines
inline constexpr int oneline = 884;
inline constexpr int nolines = 885;
inline constexpr int listingrow = 886;      // "%1" of "%2" rows, "%3" its step
inline constexpr int whereamidoes = 887;
inline constexpr int listingkeys = 888;
inline constexpr int penonsaid = 889;
inline constexpr int penoffsaid = 890;
// Each tool reached from the keyboard, beside the click the help tells of
inline constexpr int tabthenspace = 920;
inline constexpr int tabthenarrows = 921;
inline constexpr int targetkeys = 922;
inline constexpr int drawingmenukeys = 923;
inline constexpr int stoppingkeys = 924;
// The web edition's page: its own controls, dialogs and messages
inline constexpr int webtitle = 800;
inline constexpr int webdescription = 801;
inline constexpr int webyes = 802;
inline constexpr int webno = 803;
inline constexpr int webcancel = 804;
inline constexpr int websave = 805;
inline constexpr int webload = 806;
inline constexpr int webdownload = 807;
inline constexpr int webupload = 808;
inline constexpr int webname = 809;
inline constexpr int websavedprograms = 810;
inline constexpr int webnoneyet = 811;
inline constexpr int webreplace = 812;
inline constexpr int webteacher = 813;
inline constexpr int webteachersettings = 814;
inline constexpr int webchoosedefaults = 815;
inline constexpr int webremovedefaults = 816;
inline constexpr int webchoosepicture = 817;
inline constexpr int webremovepicture = 818;
inline constexpr int webclose = 819;
inline constexpr int webreloadtouse = 820;
inline constexpr int webended = 821;
inline constexpr int webstartagain = 822;
// The keyboard keys' names, for both editions
inline constexpr int upkeyname = 824;
inline constexpr int downkeyname = 825;
inline constexpr int leftkeyname = 826;
inline constexpr int rightkeyname = 827;
inline constexpr int enterkeyname = 828;   // the number pad's, and the page's one Enter
inline constexpr int deletekeyname = 829;
inline constexpr int backspacekeyname = 830;
inline constexpr int insertkeyname = 831;
inline constexpr int returnkeyname = 840;
inline constexpr int helpkeyname = 841;    // F1
inline constexpr int webnothingtoremove = 832;
// A refused program file's reason, after its name on the command line
inline constexpr int refusedbecause = 940;
// The web page opened as a file: that it needs a web server, and how
inline constexpr int webnotserved = 941;
inline constexpr int webnotservedhow = 942;
// A language's own name (the web page's choice of language)
inline constexpr int languagename = 943;
inline constexpr int weblanguage = 944;
inline constexpr int webbrowserslanguage = 945;
inline constexpr int webscreentoosmall = 980;

} // namespace jex::textid
