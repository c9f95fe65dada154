// Command ids, control ids and resource names shared by the resource script
// and the code. Command ids and private message numbers are separate spaces.
#pragma once

// Commands (menus, accelerators, the picture button sends 0).
#define IDM_EXIT          1024
#define IDM_START         1074
#define IDM_STOP          1075
#define IDM_OPTIONS       1124
#define IDM_WINDOWS       1125
#define IDM_LOADSETTINGS  1126
#define IDM_SAVESETTINGS  1127
#define IDM_PROGRAMS      1128   // the Programs dialog (programs.txt)
#define IDM_HELP          1224
#define IDM_ABOUT         1225
#define IDM_TOTRAY        1825
#define IDM_TOWINDOW      1826

// Shared by the Options and Windows dialogs.
#define IDC_APPLY         1544

// Options dialog.
#define IDC_SENSITIVITY        1524
#define IDC_SCROLLTIMES        1525
#define IDC_REPEATMS           1526
#define IDC_EDGETHICKNESS      1527
#define IDC_SENSITIVITY_SPIN   1528
#define IDC_SCROLLTIMES_SPIN   1529
#define IDC_REPEATMS_SPIN      1530
#define IDC_EDGETHICKNESS_SPIN 1531
#define IDC_SENSITIVITYLABEL   1532
#define IDC_MESSAGELABEL       1533
#define IDC_SCROLLTIMESLABEL   1534
#define IDC_REPEATLABEL        1535
#define IDC_MSLABEL            1536
#define IDC_CLASSLABEL         1537
#define IDC_EDGELABEL          1538
#define IDC_PIXELSLABEL        1539
#define IDC_MESSAGEFRAME       1540
#define IDC_EDGEFRAME          1541
#define IDC_REPEATFRAME        1542
#define IDC_CLASSFRAME         1543
#define IDC_THICKNESSFRAME     101
#define MESSAGE_POST           1545   // radio ids double as nMessageType values
#define MESSAGE_SEND           1546
#define MESSAGE_WHEEL          1547   // wheel messages to the window under the point
#define MESSAGE_AUTO           1548   // each window the way it wants (scroll/receiver.h)
#define IDC_HOLDKEY            1624
#define IDC_KEYLIST            1625
#define IDC_ARROWKEYS          1626
#define IDC_EDGESCROLL         1627
#define IDC_EDGEREPEAT         1628
#define IDC_SAVEONEXIT         1631
#define IDC_CLASSEDIT          1730
#define IDC_CLASSAFX           1731
#define IDC_CLASSCHANNEL       1732
#define IDC_CLASSOTHER         1733
#define IDC_MIDDLEBUTTON       1734
#define IDC_DRAGLOCK           1735
#define IDC_ONEAXIS            1736
#define IDC_REVERSE            1737
#define IDC_PAUSEFULLSCREEN    1738
#define IDC_KEEPPOINTERSTILL   1739
#define IDC_GLIDE              1740
#define IDC_DRAGBUTTON         1741   // drop-down list: the button 1734 drags with
#define IDC_DRAGBUTTONLABEL    1742
#define IDC_STARTWITHWINDOWS   1743   // the Startup folder's shortcut, not a settings line
#define IDC_UNDERPOINTER       1744   // a drag scrolls the window under the pointer

// Windows dialog.
#define IDC_EXCLUDE            1629
#define IDC_INCLUDE            1630
#define IDC_EXCLUDELIST        1724
#define IDC_INCLUDELIST        1725
#define IDC_EXCLUDEADD         1726
#define IDC_INCLUDEADD         1727
#define IDC_EXCLUDEDELETE      1728
#define IDC_INCLUDEDELETE      1729

// About box.
#define IDC_ABOUTTEXT          1828
#define IDC_ABOUTPICTURE       1829

// Programs dialog: the rules of programs.txt and the window finder.
#define IDC_RULELIST           1840
#define IDC_RULEADD            1841
#define IDC_RULEEDIT           1842
#define IDC_RULEDELETE         1843
#define IDC_RULEUP             1844
#define IDC_RULEDOWN           1845
#define IDC_RULEOPENFILE       1846
#define IDC_RULESTATUS         1847   // the first unreadable line of the file
#define IDC_FINDER             1848   // the cross-hair icon the user drags
#define IDC_FINDERPROGRAM      1849
#define IDC_FINDERROOT         1850
#define IDC_FINDERRECEIVER     1851
#define IDC_FINDERTITLE        1852
#define IDC_FINDERVERDICT      1853
#define IDC_RULELISTLABEL      1854
#define IDC_FINDERFRAME        1855
#define IDC_FINDERHINT         1856

// Rule editor (modal, opened by the Programs dialog).
#define IDC_RULEPROGRAM        1860
#define IDC_RULECLASS          1861
#define IDC_RULETITLE          1862
#define IDC_RULEOFF            1863
#define IDC_RULEREVERSE        1864
#define IDC_RULEHORIZONTAL     1865
#define IDC_RULEGLIDE          1866
#define IDC_RULESTILL          1867
#define IDC_RULESPEEDON        1868
#define IDC_RULESPEED          1869
#define IDC_RULESPEED_SPIN     1870
#define IDC_RULEDELIVERY       1871
#define IDC_RULETARGET         1872
