// Resource and command ids shared by vesmira.rc and the code. Plain macros, so
// the portable model can include this file too.
#pragma once

// ---- app: main resource, About box, cursor ----
#define IDR_MAINFRAME 128
#define IDD_ABOUTBOX 100
#define IDC_HAND_LINK 458
#define IDC_ABOUT_URL 1095
#define IDC_ABOUT_VERSION 1156
#define IDC_ABOUT_MAKER 1157
#define IDC_ABOUT_RIGHTS 1158
#define ID_APP_ABOUT 57664
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
// ---- end app ----

// ---- frame: context menus and their commands ----
#define IDR_CONTEXT 130
#define IDR_CONTEXT_PROFILE 463
#define ID_EXIT 32775
#define ID_ABOUT 32776
#define ID_OPTIONS 32778
#define ID_TASK_LIST 32780
#define ID_MONTH_CURRENT 32785
#define ID_MONTH_PREVIOUS 32786
#define ID_MONTH_NEXT 32787
#define ID_MONTH_SELECT 32788
#define ID_MONTH_CURRENT2 32792
#define ID_HELP_TOPICS2 32794
#define ID_MONTH_PREVIOUS2 32797
#define ID_MONTH_NEXT2 32798
#define ID_MONTH_SELECT2 32799
#define ID_OPTIONS2 32800
#define ID_TASK_LIST2 32801
#define ID_PROFILE 32802
#define ID_ABOUT2 32803
#define ID_EXIT2 32804
#define ID_HELP_FINDER 57667
#define ID_CONTEXT_HELP 57669
#define ID_HELP 57670
#define ID_DEFAULT_HELP 57671
// ---- end frame ----

// ---- tasks: alarm dialog ----
#define IDD_ALARM 364
#define IDC_ALARM_TEXT 1080
#define IDC_ALARM_MESSAGE 1082
#define IDC_SNOOZE_MINUTES 1087
#define IDC_SNOOZE_GROUP 1088
#define IDC_SNOOZE_OFF 1089
#define IDC_SNOOZE_ON 1090
// ---- end tasks: alarm dialog ----

// ---- view: select-month dialog ----
#define IDD_SELECT_MONTH 461
#define IDC_SELECT_MONTH_LIST 1106
#define IDC_SELECT_MONTH_YEAR 1118
#define IDC_SELECT_MONTH_SPIN 1119
// ---- end view ----

// ---- profile: profile dialog ----
#define IDD_PROFILE 464
#define IDC_PROFILE_YEAR 1012
#define IDC_PROFILE_FORTUNE 1105
#define IDC_PROFILE_MONTH 1106
#define IDC_PROFILE_HALF_OF_DAY 1114
#define IDC_PROFILE_YEAR_SPIN 1119
#define IDC_PROFILE_DAY 1122
#define IDC_PROFILE_HOUR 1123
#define IDC_PROFILE_MINUTE 1124
#define IDC_PROFILE_BY_PLACE 1130
#define IDC_PROFILE_BY_LONGITUDE 1131
#define IDC_PROFILE_PLACE 1132
#define IDC_PROFILE_EAST_OR_WEST 1133
#define IDC_PROFILE_DEGREE 1134
#define IDC_PROFILE_DEGREE_SPIN 1135
#define IDC_PROFILE_LONGITUDE_MINUTE 1137
#define IDC_PROFILE_LONGITUDE_SECOND 1138
// ---- end profile ----

// ---- options: dialog 322 and pages 323, 462, 465 ----
#define IDD_OPTIONS 322
#define IDC_OPT_TAB 1000
#define IDC_OPT_APPLY 1047
#define IDD_PAGE_CALENDAR 323
#define IDC_P1_MONTHS 1028
#define IDC_P1_PAST 1029
#define IDC_P1_ROWS 1030
#define IDC_P1_MONTHS_VERTICAL 1031
#define IDC_P1_MONTHS_HORIZONTAL 1032
#define IDC_P1_COLUMNS 1033
#define IDC_P1_WEEK_START 1106
#define IDC_P1_OLD_SPIN 1115
#define IDC_P1_OLD_DAYS 1116
#define IDC_P1_OLD_CHECK 1117
#define IDC_P1_OLD_ACTION 1122
#define IDC_P1_DAYS_GRID 1127
#define IDC_P1_DAYS_ROW 1128
#define IDC_P1_DAYS_COLUMN 1129
#define IDC_PAGE_RESET 1105
#define IDD_PAGE_TIME 462
#define IDC_P5_CLOCK 1056
#define IDC_P5_DATE_FORMAT 1106
#define IDC_P5_12_HOURS 1120
#define IDC_P5_24_HOURS 1121
#define IDC_P5_MONTH_NUMBER 1125
#define IDC_P5_MONTH_NAME 1126
#define IDD_PAGE_WINDOW 465
#define IDC_P6_CLICK_THROUGH 1056
#define IDC_P6_AUTO_START 1139
#define IDC_P6_TRANSPARENCY 1143
#define IDC_P6_NORMAL 1144
#define IDC_P6_TOPMOST 1145
#define IDC_P6_BOTTOM 1146
// ---- end options: dialog 322 and pages 323, 462, 465 ----
