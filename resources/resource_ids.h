// Identifiers of the dialog templates and their controls, shared by the
// resource scripts and the code. Plain #defines: the resource compiler
// reads this file too.
//
// Conventions the code relies on:
// - page n of the settings dialog is the template IDD_PAGE_FIRST + n;
// - a radio group is an id G (its group box) and its items G+1, G+2, ...
//   in the order of the group's items;
// - a spin edit is an edit with id E and its up-down control E+1;
// - a colour button with id B has its swatch (an owner-drawn static) B+1;
// - control ids are unique across all pages, so one view reaches any
//   control of the dialog by its id.
#pragma once

// The settings dialog: the frame.
#define IDD_SETUP 100
#define IDC_TREEVIEWSETUP 101
#define IDC_INTRO 102
#define IDC_INDEX 103
#define IDC_PAGEHOST 104

// Every page: its caption and its "Settings" button (help on the page).
#define IDC_PAGE_CAPTION 198
#define IDC_PAGE_SETTINGS 199

// The 19 pages, in the order of the tree.
#define IDD_PAGE_FIRST 200
#define IDD_PAGE_STARTHERE 200
#define IDD_PAGE_DETECTION 201
#define IDD_PAGE_STARTUPEXIT 202
#define IDD_PAGE_WINDOW 203
#define IDD_PAGE_DISPLAY 204
#define IDD_PAGE_TITLEBAR 205
#define IDD_PAGE_THROUGHPUT 206
#define IDD_PAGE_LAYOUT 207
#define IDD_PAGE_SOUNDS 208
#define IDD_PAGE_LOGGINGS 209
#define IDD_PAGE_INACTIVITY 210
#define IDD_PAGE_DISCONNECT 211
#define IDD_PAGE_AUTOLAUNCH 212
#define IDD_PAGE_CONNECTTIMERESET 213
#define IDD_PAGE_RAS 214
#define IDD_PAGE_KEYBOARD 215
#define IDD_PAGE_INFORMATION 216
#define IDD_PAGE_MISC 217
#define IDD_PAGE_ABOUT 218

// "Start here!"
#define IDC_START_PICTURE1 1001
#define IDC_START_PICTURE2 1002

// "Port Detection"
#define IDC_COMBOBPORTS 1101         // sorted drop-down list
#define IDC_BUTTONDETECTCOMPORTS 1102
#define IDC_SETIMER 1103             // track bar 0 to 18 (a spin value to the view)
#define IDC_CBDUNLIGHTS 1110
#define IDC_CBDUNREGISTRY 1111
#define IDC_COMBOBDEVICEDESC 1112    // combo box with an edit
#define IDC_CBRNAAPP 1113
#define IDC_CBRDALTDETECT 1114
#define IDC_CBNOVXD 1115
#define IDC_CBNDPA 1116
#define IDC_CBRAS 1117
#define IDC_CBWINMODEM 1118

// "Select Registry Entry": the dial-up adapter's key, asked for by the
// registry method of "Port Detection".
#define IDD_SELECTREG 120
#define IDC_LBCHANGEREG 1190

// "Startup && Exit"
#define IDC_CBLOADWINDOWS 1201
#define IDC_NOLOGO 1202
#define IDC_CBAUTORUN 1203
#define IDC_EDITAUTORUNPROG 1204
#define IDC_BUTTONBROWSEAUTORUNPROG 1205
#define IDC_CBASKFIRSTAUTORUN 1206
#define IDC_CBDUNRUN 1207
#define IDC_COMBOBDUNDESC 1208       // combo box with an edit
#define IDC_BUTTONRUNNOW 1209
#define IDC_WARNEXIT 1210
#define IDC_CBAUTOEXIT 1211
#define IDC_SEEXITDELAY 1212         // spin edit

// "Window && SysTray"
#define IDC_CBRUNLIGHTS 1301
#define IDC_CBSHOWDUNICON 1302
#define IDC_CBSYSTRAY 1303
#define IDC_RADIOGROUPONTOP 1310     // 3 items
#define IDC_SEAUTODETECT 1320        // spin edit
#define IDC_AUTOMAXIMIZE 1322

// "Display"
#define IDC_CBCOMMSTATUSDISPLAY 1401
#define IDC_RADIOGROUPINDISPLAY 1410 // 3 items
#define IDC_CBTDRDDISPLAY 1420
#define IDC_CBTOTALDISPLAY 1421
#define IDC_SETDRDRATE 1422          // spin edit (+1 its up-down)
#define IDC_FONTLOG 1430

// "Titlebar Display"
#define IDC_STATUSGROUP 1500         // 3 items
#define IDC_TITLELAYOUTGROUP 1510    // 4 items
#define IDC_LAMPLOOKGROUP 1520       // 2 items
#define IDC_SEEDITOFFSETR 1530       // spin edit
#define IDC_SEEDITOFFSETT 1532       // spin edit
#define IDC_RADIOGROUPINTITLE 1540   // 3 items
#define IDC_FONTTITLEBAR 1550
#define IDC_BITBTNFONTCOLOR 1552     // colour button (+1 its swatch)
#define IDC_PAINTBOXTITLEBARFONT 1553
#define IDC_BITBTNTITLEBARBACKGROUND 1554
#define IDC_PAINTBOXTITLEBARBG 1555
#define IDC_BITBTNRESETFONT 1556

// "Throughput Display"
#define IDC_RGTHROUGHPUT 1600        // 3 items
#define IDC_BBRD 1610
#define IDC_PAINTBOXTRD 1611
#define IDC_BBTD 1612
#define IDC_PAINTBOXTTD 1613
#define IDC_BBBACKGROUND 1614
#define IDC_PAINTBOXTBACKGROUND 1615
#define IDC_CBINWINDOW 1620
#define IDC_CBTHROUGHPUTDATAINWINDOW 1621
#define IDC_RGSCALING 1630           // 3 items
#define IDC_CBPREDEFINED 1640        // drop-down list
#define IDC_SEMANUALSCALE 1642       // spin edit
#define IDC_SEUPDATERATE 1644        // spin edit

// "Layout && Colors"
#define IDC_LAYOUTGROUP 1700         // 5 items
#define IDC_LAMPLOOK 1710            // 3 items
#define IDC_LAMPON 1720
#define IDC_PAINTBOXLAMPON 1721
#define IDC_LAMPOFF 1722
#define IDC_PAINTBOXLAMPOFF 1723
#define IDC_TEXT 1724
#define IDC_PAINTBOXTEXT 1725
#define IDC_BACKGROUND 1726
#define IDC_PAINTBOXBACKGROUND 1727

// "Sounds": a sound choice is a radio group G (3 items: Sound, Beep,
// None), its file button G+4, its "Test" button G+5 and its file label G+6.
#define IDC_RISOUNDGROUP 1800
#define IDC_CONNECTSOUNDGROUP 1810
#define IDC_DISCONNECTSOUNDGROUP 1820

// "Loggings"
#define IDC_CHECKBOXLOGRI 1901
#define IDC_SHOWLOGRI 1902
#define IDC_DELETELOGRI 1903
#define IDC_CHECKBOXLOGCONNECT 1910
#define IDC_SECDUPTIME 1912          // spin edit
#define IDC_SENEGDELAY 1914          // spin edit
#define IDC_CBLOGTOTAL 1916
#define IDC_SHOWLOGCD 1917
#define IDC_DELETELOGCD 1918

// "Inactivity"; the warning's sound choice as on "Sounds" (group G,
// file button G+4, "Test" G+5, file label G+6).
#define IDC_CBTRIGGERRD 2001
#define IDC_CBWARNINACTIVE 2002
#define IDC_SEWARNMINUTES 2003       // spin edit
#define IDC_SEWARNSECONDS 2005       // spin edit
#define IDC_CBDISCONNECTINACTIVE 2007
#define IDC_SEDISCONNECTMINUTES 2008 // spin edit
#define IDC_SEDISCONNECTSECONDS 2010 // spin edit
#define IDC_CBPOWERDOWN2 2012
#define IDC_WARNINACTIVESOUNDGROUP 2020

// "Auto Disconnect"
#define IDC_BTNHANGUPNOW2 2101
#define IDC_AUTODISCONNECTDATEPICKER 2102
#define IDC_AUTODISCONNECTTIMEPICKER 2103
#define IDC_BUTTONAUTODISCONNECTNOW 2104
#define IDC_CBAUTODISCONNECTACTIVE 2105
#define IDC_SEAUTOTIMEDHOURS 2106    // spin edit
#define IDC_SEAUTOTIMEDMINUTES 2108  // spin edit
#define IDC_CBAUTOTIMEDDISCONNECTACTIVE 2110
#define IDC_CBPOWERDOWN 2111

// "Auto Launch": a launch is its box B, the program's edit B+1, its
// "Browse..." B+2, the delay's spin edit B+3 and "Ask First" B+5.
#define IDC_CBAUTOLAUNCHCDHIGH 2201
#define IDC_CBAUTOLAUNCHCDLOW 2211
#define IDC_CBAUTORUNCDINHIBIT 2220

// " Connect Time Reset"
#define IDC_LABELCONNECTTIME 2301
#define IDC_RGAUTORESET 2310         // 6 items
#define IDC_CONNECTRESETDATEPICKER 2320
#define IDC_CONNECTRESETTIMEPICKER 2321
#define IDC_BUTTONNOW 2322
#define IDC_BUTTONRESETNOW 2323
#define IDC_LABELNEXTRESET1 2324
#define IDC_LABELNEXTRESET 2325

// "RAS Phonebook && Dialer"
#define IDC_CONNLIST 2401            // list box, the phone-book entries
#define IDC_DEVICELIST 2402          // list box, the RAS devices
#define IDC_CONNUSER 2403
#define IDC_CONNPW 2404
#define IDC_LBDEVICENAME 2405
#define IDC_DEVICENAME 2406
#define IDC_LBDEVICETYPE 2407
#define IDC_DEVICETYPE 2408
#define IDC_LBDEVICEPORT 2409
#define IDC_DEVICEPORT 2410
#define IDC_LBCONNPHONE 2411
#define IDC_CONNPHONE 2412
#define IDC_BITBTNCREATECONN 2420
#define IDC_BITBTNEDITCONN 2421
#define IDC_BITBTNRENAMECONN 2422
#define IDC_BITBTNDELETECONN 2423
#define IDC_BITBTNDIALNOW 2424
#define IDC_BITBTNHANGUP 2425
#define IDC_STATUSBAR2 2430          // status bar: operations, errors, dial progress
#define IDC_STATUSBAR1 2431          // status bar: the dial's outcome
#define IDC_CBCLOSEAFTEROK 2432

// The input box the connections page asks a new entry name with.
#define IDD_INPUTBOX 2490
#define IDC_INPUTBOX_PROMPT 2491
#define IDC_INPUTBOX_EDIT 2492

// "Keyboard Lights"
#define IDC_KEYBOARDCD 2500          // 4 items: Off, NumLock, CapsLock, ScrollLock
#define IDC_KEYBOARDRD 2510          // 4 items
#define IDC_KEYBOARDTD 2520          // 4 items

// "Information": a caption label and its value label per row (value =
// caption + 1).
#define IDC_LBCOMPUTERNAME 2601
#define IDC_COMPUTERNAME 2602
#define IDC_LBRASVERSION 2603
#define IDC_RASVERSION 2604
#define IDC_GBCONNECTION 2610        // group " Connection ", the rows below
#define IDC_LBBYTESIN 2611
#define IDC_BYTESIN 2612
#define IDC_LBBYTESOUT 2613
#define IDC_BYTESOUT 2614
#define IDC_LBCONNECTIONSPEED 2615
#define IDC_CONNECTIONSPEED 2616
#define IDC_LBCOMPRESSIONRATIOIN 2617
#define IDC_RATIOIN 2618
#define IDC_LBCOMPRESSIONRATIOOUT 2619
#define IDC_RATIOOUT 2620
#define IDC_LBALIGNMENTERRORS 2621
#define IDC_ALIGNMENTERRORS 2622
#define IDC_LBBUFFEROVERRUNERRORS 2623
#define IDC_BUFFEROVERRUNERRORS 2624
#define IDC_LBCRCERRORS 2625
#define IDC_CRCERRORS 2626
#define IDC_LBFRAMINGERRORS 2627
#define IDC_FRAMINGERRORS 2628
#define IDC_LBHARDWAREOVERRUN 2629
#define IDC_HARDWAREOVERRUN 2630
#define IDC_LBTIMEOUTERRORS 2631
#define IDC_TIMEOUTERRORS 2632
#define IDC_LBSERVERIP 2633
#define IDC_SERVERIP 2634
#define IDC_LBCLIENTIP 2635
#define IDC_CLIENTIP 2636
#define IDC_LBDIALEDNUMBER 2637
#define IDC_DIALEDNUMBER 2638
#define IDC_RASSTATUS 2639
#define IDC_LBRASSTATUS 2640

// "Miscellaneous", group "Edit for Logfiles"
#define IDC_EDITORNAME 2701
#define IDC_BROWSEEDITORNAME 2702

// "Miscellaneous", the modem items and group "Modem Init"
#define IDC_BUTTONMODEMSETUP 2710
#define IDC_CBMODEMLOGNAME 2711      // combo box with an edit
#define IDC_BITBTNMODEMLOG 2712
#define IDC_BITBTNHANGUPNOW 2713
#define IDC_CBMODEMINIT 2720
#define IDC_EDITMODEMINITSTRING 2721
#define IDC_BUTTONSENDNOW 2722

// "About"
#define IDC_ABOUT_TITLE 2801
#define IDC_ABOUT_PICTURE 2802
#define IDC_PAINTBOXABOUT 2803       // 112 x 47, owner-drawn
#define IDC_ABOUT_VERSION 2804
