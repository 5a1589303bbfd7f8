// The editor's message protocol: its own messages (EFM_) and the notifications it sends
// to its own window (EFN_), where a host that subclasses the window receives them.
#pragma once

#include <zeledit/win_types.h>

#include <array>

inline constexpr UINT EFM_GETSELTEXT = 1150;
inline constexpr UINT EFM_SETSELTEXT = 1151;
inline constexpr UINT EFM_GETSELFORMATID = 1152;
inline constexpr UINT EFM_SAVEDOC = 1153;
inline constexpr UINT EFM_LOADDOC = 1154;
inline constexpr UINT EFM_LOADTEMPLATE = 1155;
inline constexpr UINT EFM_NEWDOCUMENT = 1156;
inline constexpr UINT EFM_GETDATASIZE = 1157;
inline constexpr UINT EFM_GETDATA = 1158;
inline constexpr UINT EFM_SETDATA = 1159;
inline constexpr UINT EFM_SETBACKGROUND = 1160;
inline constexpr UINT EFM_GETSELINDEX = 1162;
inline constexpr UINT EFM_CLEARTEXT = 1164;
inline constexpr UINT EFM_GETTEXTLENGTH = 1165;
inline constexpr UINT EFM_GETTEXTBUFFER = 1166;
inline constexpr UINT EFM_GETFORMATBUFFER = 1167;
inline constexpr UINT EFM_SETPARACOLOR = 1168;
inline constexpr UINT EFM_SETFONTCOLOR = 1169;
inline constexpr UINT EFM_ENABLEMODIFY = 1170;
inline constexpr UINT EFM_DISABLEMODIFY = 1171;
inline constexpr UINT EFM_GETMODIFIED = 1172;
inline constexpr UINT EFM_SETSPECIALRIGHTBUTTON = 1173;
inline constexpr UINT EFM_ENABLEVIETKEY = 1174;
inline constexpr UINT EFM_FINDFORMAT = 1175;
inline constexpr UINT EFM_SETBITMAPMODE = 1176;
inline constexpr UINT EFM_GETOBJECTCOUNT = 1177;
inline constexpr UINT EFM_CHANGEFONTSIZE = 1178;
inline constexpr UINT EFM_SETINDEX = 1179;
inline constexpr UINT EFM_FIND = 1180;
inline constexpr UINT EFM_REFRESH = 1181;
inline constexpr UINT EFM_SETPAGE = 1182;
inline constexpr UINT EFM_PRINTERCHANGE = 1183;
inline constexpr UINT EFM_REPAGINATE = 1184;
inline constexpr UINT EFM_PRINTPAGE = 1185;
inline constexpr UINT EFM_GETOBJECT = 1186;
inline constexpr UINT EFM_HIDEOBJECTS = 1187;
inline constexpr UINT EFM_GETOBJECTS = 1188;
inline constexpr UINT EFM_ADDDATA = 1189;
inline constexpr UINT EFM_FINDPARA = 1190;
inline constexpr UINT EFM_GETDOCUMENTHEIGHT = 1191;
inline constexpr UINT EFM_GETOBJECTINDEX = 1192;
inline constexpr UINT EFM_SETVSCROLLBAR = 1193;
inline constexpr UINT EFM_SETHIGHLIGHT = 1195;
inline constexpr UINT EFM_GETWORDAT = 1197;
inline constexpr UINT EFM_CHANGEFONTNAME = 1198;
inline constexpr UINT EFM_SETMONOCHROME = 1199;
inline constexpr UINT EFM_GETOBJECTINFO = 1200;
inline constexpr UINT EFM_SETCOLORSTYLE = 1201;
inline constexpr UINT EFM_SETEDITTYPE = 1203;
inline constexpr UINT EFM_SETDOCUMENTTYPE = 1204;
inline constexpr UINT EFM_SETHASSCROLL = 1205;
inline constexpr UINT EFM_SETDEFAULTFONT = 1206;
inline constexpr UINT EFM_GETPARACOUNT = 1207;
inline constexpr UINT EFM_GETFONTCOUNT = 1208;
inline constexpr UINT EFM_GETPARACOLOR = 1209;
inline constexpr UINT EFM_GETFONTCOLOR = 1210;
inline constexpr UINT EFM_REPLACEWITH = 1211;
inline constexpr UINT EFM_SETHSCROLLBAR = 1212;
inline constexpr UINT EFM_SETCOLUMNS = 1213;
inline constexpr UINT EFM_SETLINEBETWEEN = 1214;
inline constexpr UINT EFM_SETSPACING = 1215;
inline constexpr UINT EFM_APPLYFONT = 1216;
inline constexpr UINT EFM_APPLYPARA = 1217;
inline constexpr UINT EFM_SETMAXBUFFERSIZE = 1219;
inline constexpr UINT EFM_RESETOBJECT = 1220;
inline constexpr UINT EFM_SETCOLORS = 1221;
inline constexpr UINT EFM_GETFONTTOREC = 1222;
inline constexpr UINT EFM_PAGEPREVIEW = 1223;
inline constexpr UINT EFM_GETHIGHLIGHTTEXT = 1224;
inline constexpr UINT EFM_BEGINPRINT = 1225;
inline constexpr UINT EFM_ENDPRINT = 1226;
inline constexpr UINT EFM_ENLARGEREDUCEFONT = 1227;
inline constexpr UINT EFM_HIGHLIGHTWORDAT = 1228;
inline constexpr UINT EFM_SETTOPINDEX = 1229;
inline constexpr UINT EFM_GETTOPINDEX = 1230;
inline constexpr UINT EFM_ADDPARAFORMAT = 1231;
inline constexpr UINT EFM_ADDFONTFORMAT = 1232;
inline constexpr UINT EFM_GETSELFONTNAME = 1233;
inline constexpr UINT EFM_INSERTOBJECT = 1234;
inline constexpr UINT EFM_MARKRANGE = 1236;
inline constexpr UINT EFM_UNMARKRANGE = 1237;
inline constexpr UINT EFM_GETSELSTYLE = 1238;
inline constexpr UINT EFM_FORMATSTYLE = 1239;
inline constexpr UINT EFM_CHANGECHAR = 1240;
inline constexpr UINT EFM_GETSELFORMAT = 1241;
inline constexpr UINT EFM_SETCHARFORMAT = 1242;
inline constexpr UINT EFM_MARKWORDAT = 1243;
inline constexpr UINT EFM_UNMARKWORDAT = 1244;
inline constexpr UINT EFM_INSERTTEXT = 1245;
inline constexpr UINT EFM_INSERTPARA = 1246;
inline constexpr UINT EFM_MOVEKEY = 1247;
inline constexpr UINT EFM_GETSELPARAFORMATID = 1248;
inline constexpr UINT EFM_GETSELPARAFORMAT = 1249;
inline constexpr UINT EFM_SETPARAFORMAT = 1250;
inline constexpr UINT EFM_REPLACEALL = 1251;
inline constexpr UINT EFM_GETPREVIEWRECT = 1252;
inline constexpr UINT EFM_ADDMENU = 1253;
inline constexpr UINT EFM_SETMARKTYPE = 1254;
inline constexpr UINT EFM_ENABLEACTIVATE = 1255;
inline constexpr UINT EFM_SETBACKNEEDED = 1256;
inline constexpr UINT EFM_GETCURRENTPAGE = 1257;
inline constexpr UINT EFM_CLEARMARKS = 1258;
inline constexpr UINT EFM_INSERTHYPERLINK = 1259;
inline constexpr UINT EFM_DELETEPARAS = 1260;
inline constexpr UINT EFM_CLEARFORMATS = 1261;
inline constexpr UINT EFM_GETOBJINFOID = 1262;
inline constexpr UINT EFM_GETOBJDATAID = 1263;
inline constexpr UINT EFM_GETPARATOREC = 1264;
inline constexpr UINT EFM_GETVERSION = 1267;
inline constexpr UINT EFM_SETNOTDRAWN = 1268;
inline constexpr UINT EFM_GETBACKHANDLE = 1269;
inline constexpr UINT EFM_GETBACKBITMAP = 1270;
inline constexpr UINT EFM_DRAWCOLUMNS = 1271;
inline constexpr UINT EFM_ENABLEFITOBJS = 1272;
inline constexpr UINT EFM_GETFONTITEM = 1273;
inline constexpr UINT EFM_GETPARAITEM = 1274;
inline constexpr UINT EFM_APPLYFONTFAST = 1275;
inline constexpr UINT EFM_APPLYPARAFAST = 1276;
inline constexpr UINT EFM_GETHOTKEY = 1277;
inline constexpr UINT EFM_SETHOTKEY = 1278;
inline constexpr UINT EFM_SETMODIFIED = 1279;
inline constexpr UINT EFM_COMPACT = 1280;
inline constexpr UINT EFM_DELETEDOUBLESPACEPARAS = 1281;
inline constexpr UINT EFM_DELETEDATA = 1282;
inline constexpr UINT EFM_SETHIGHLIGHTSTYLE = 1283;
inline constexpr UINT EFM_SETEDITORSTATE = 1284;
inline constexpr UINT EFM_INSERTDATAFROM = 1285;
inline constexpr UINT EFM_ISHYPERLINKAT = 1286;
inline constexpr UINT EFM_MODIFYFORMATFONT = 1287;
inline constexpr UINT EFM_MODIFYFORMATPARA = 1288;
inline constexpr UINT EFM_INSERTPARABREAKFORMATEX = 1289;
inline constexpr UINT EFM_GETDEFAULTFONT = 1290;
inline constexpr UINT EFM_SETLANGUAGE = 1291;
inline constexpr UINT EFM_GETLINEOFINDEX = 1292;
inline constexpr UINT EFM_PREVIEWPAGEDC = 1293;
inline constexpr UINT EFM_GETPREVIEWRECTDC = 1294;
inline constexpr UINT EFM_BEGINPREVIEW = 1295;
inline constexpr UINT EFM_INSERTEXTERNALOBJECT = 5171;

inline constexpr UINT EFN_UPDATESTATE = 1202;
inline constexpr UINT EFN_ORIGINCHANGE = 1218;
inline constexpr UINT EFN_EXOBJMOUSEDOWN = 1265;
inline constexpr UINT EFN_EXOBJMOUSEUP = 1266;
inline constexpr UINT EFN_EXOBJFREE = 5001;
inline constexpr UINT EFN_EXOBJGETDATA = 5002;
inline constexpr UINT EFN_EXOBJDRAW = 5003;
inline constexpr UINT EFN_EXOBJSETDATA = 5004;
inline constexpr UINT EFN_EXOBJACTION = 5005;
inline constexpr UINT EFN_EXOBJINITFROM = 5006;
inline constexpr UINT EFN_EXOBJCREATE = 5007;
inline constexpr UINT EFN_EXOBJMODIFY = 5008;
inline constexpr UINT EFN_EXOBJGETSIZE = 5009;
inline constexpr UINT EFN_CLICK = 5150;
inline constexpr UINT EFN_KEYDOWN = 5151;
inline constexpr UINT EFN_RIGHTCLICK = 5152;
inline constexpr UINT EFN_HYPERLINK = 5153;
inline constexpr UINT EFN_OBJCLICK = 5154;
inline constexpr UINT EFN_QUERYPRINTER = 5155;
inline constexpr UINT EFN_DRAWBACKGROUND = 5157;
inline constexpr UINT EFN_MOUSEWAIT = 5158;
inline constexpr UINT EFN_QUERYDATAOBJ = 5159;
inline constexpr UINT EFN_QUERYSYSTEMFONT = 5160;
inline constexpr UINT EFN_PRINT = 5161;
inline constexpr UINT EFN_BREAKCHAR = 5162;
inline constexpr UINT EFN_BACKGROUNDDRAWN = 5164;
inline constexpr UINT EFN_TOPLINECHANGED = 5165;
inline constexpr UINT EFN_INPUTCHANGED = 5166;
inline constexpr UINT EFN_FORMATCHANGED = 5167;
inline constexpr UINT EFN_GETCURSOR = 5168;
inline constexpr UINT EFN_FILECOMMAND = 5169;
inline constexpr UINT EFN_CHANGED = 5170;
inline constexpr UINT EFN_COMMENTCLICK = 5172;
inline constexpr UINT EFN_HIDECOMMENT = 5173;
inline constexpr UINT EFN_BUFFERCHANGED = 5174;
inline constexpr UINT EFN_QUERYHEADERFOOTER = 5245;

// Tasks of EFN_FILECOMMAND.
inline constexpr WPARAM EFN_FILE_NEW = 0;
inline constexpr WPARAM EFN_FILE_OPENED = 1;
inline constexpr WPARAM EFN_FILE_SAVED = 2;
inline constexpr WPARAM EFN_FILE_QUERYSAVENAME = 3;
inline constexpr WPARAM EFN_FILE_BEFORENEW = 4;

// Every number of the editor's own protocol; any other reaches the default window procedure.
inline constexpr std::array<UINT, 138> EditorMessageNumbers = {
    1150, 1151, 1152, 1153, 1154, 1155, 1156, 1157, 1158, 1159, 1160, 1162, 1164, 1165, 1166, 1167,
    1168, 1169, 1170, 1171, 1172, 1173, 1174, 1175, 1176, 1177, 1178, 1179, 1180, 1181, 1182, 1183,
    1184, 1185, 1186, 1187, 1188, 1189, 1190, 1191, 1192, 1193, 1195, 1197, 1198, 1199, 1200, 1201,
    1203, 1204, 1205, 1206, 1207, 1208, 1209, 1210, 1211, 1212, 1213, 1214, 1215, 1216, 1217, 1219,
    1220, 1221, 1222, 1223, 1224, 1225, 1226, 1227, 1228, 1229, 1230, 1231, 1232, 1233, 1234, 1236,
    1237, 1238, 1239, 1240, 1241, 1242, 1243, 1244, 1245, 1246, 1247, 1248, 1249, 1250, 1251, 1252,
    1253, 1254, 1255, 1256, 1257, 1258, 1259, 1260, 1261, 1262, 1263, 1264, 1267, 1268, 1269, 1270,
    1271, 1272, 1273, 1274, 1275, 1276, 1277, 1278, 1279, 1280, 1281, 1282, 1283, 1284, 1285, 1286,
    1287, 1288, 1289, 1290, 1291, 1292, 1293, 1294, 1295, 5171};
