#pragma once

// Control ids of the dialog templates (resources/xrc). OK and Cancel are the
// toolkit's wxID_OK and wxID_CANCEL.

// Settings dialog.
constexpr int kIdLongitudeDegrees = 1013;
constexpr int kIdLongitudeMinutes = 1014;
constexpr int kIdLatitudeDegrees = 1016;
constexpr int kIdLatitudeMinutes = 1015;
constexpr int kIdCity = 1017;
constexpr int kIdChooseCity = 1018;
constexpr int kIdChimeEveryToki = 1009;    // first of the interval group 1009-1012
constexpr int kIdChimeEveryHalfToki = 1010;
constexpr int kIdChimeEveryHour = 1011;
constexpr int kIdChimeEveryHalfHour = 1012;
constexpr int kIdCountSilent = 1021;       // first of the count group 1021-1023
constexpr int kIdCountOnce = 1022;
constexpr int kIdCountAsToki = 1023;
constexpr int kIdTemporalHours = 1005;     // first of the twelve-branch group 1005-1006
constexpr int kIdFixedHours = 1006;
constexpr int kIdAddText = 1024;
constexpr int kIdQuietNone = 1025;         // first of the quiet-hours group 1025-1027
constexpr int kIdQuietByToki = 1026;
constexpr int kIdQuietByTime = 1027;
constexpr int kIdQuietFromToki = 1028;
constexpr int kIdQuietToToki = 1029;
constexpr int kIdQuietFromTime = 1030;
constexpr int kIdQuietToTime = 1031;
constexpr int kIdIndicator = 1032;         // "パネルに表示"
constexpr int kIdNotify = 1033;            // "ときをお知らせ"
constexpr int kIdStartWithSession = 1034;  // "ログイン時に起動"

// Location picker.
constexpr int kIdCityList = 1038;

// Alarm dialog.
constexpr int kIdAlarmEnable = 1002;
constexpr int kIdAlarmHour = 1003;
constexpr int kIdAlarmMinutes = 1004;

// Toki alarms: the list and its buttons.
constexpr int kIdTokiAlarmList = 1101;
constexpr int kIdTokiAlarmAdd = 1102;
constexpr int kIdTokiAlarmEdit = 1103;
constexpr int kIdTokiAlarmRemove = 1104;
constexpr int kIdTokiAlarmToggle = 1105;

// One toki alarm.
constexpr int kIdTokiAlarmOn = 1111;
constexpr int kIdTokiAlarmByToki = 1112;   // first of the kind group 1112-1113
constexpr int kIdTokiAlarmByTime = 1113;
constexpr int kIdTokiAlarmToki = 1114;
constexpr int kIdTokiAlarmHour = 1115;
constexpr int kIdTokiAlarmMinutes = 1116;
constexpr int kIdTokiAlarmOffset = 1117;
constexpr int kIdTokiAlarmBeforeAfter = 1118;
constexpr int kIdTokiAlarmSunday = 1120;   // 1120-1126, Sunday to Saturday
constexpr int kIdTokiAlarmBell = 1130;     // first of the sound group 1130-1132
constexpr int kIdTokiAlarmBox = 1131;
constexpr int kIdTokiAlarmNotify = 1132;
constexpr int kIdTokiAlarmLabel = 1133;

// Names of the templates.
constexpr const char* kSettingsTemplate = "CSettingsDlg";
constexpr const char* kLocationTemplate = "CLocationDlg";
constexpr const char* kAlarmTemplate = "CAlarmDlg";
constexpr const char* kTokiInfoTemplate = "CTokiInfoDlg";
constexpr const char* kAboutTemplate = "CAboutDlg";
constexpr const char* kTokiAlarmListTemplate = "CTokiAlarmListDlg";
constexpr const char* kTokiAlarmEditTemplate = "CTokiAlarmEditDlg";
