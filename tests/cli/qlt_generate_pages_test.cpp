// `qlt generate` on a plan that ticks a section of every kind at once.
#include "support/process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using testing_support::runCommand;
using testing_support::shellQuote;
using testing_support::TempDir;

namespace {

// Runs qlt in the folder, where it finds the services file of the plan.
testing_support::ProcessResult generateIn(const TempDir& dir, const std::string& plan, const std::string& options = {}) {
    dir.write("plan.json", plan);
    return runCommand("cd " + shellQuote(dir.folder()) + " && " + QLT_EXECUTABLE + " generate plan.json " + options);
}

// One section of every kind the wizard has: where a group allows one section
// at a time, the first one.
constexpr const char* EVERY_SECTION_PLAN = R"({"fields": {
 "CheckBox4": true, "Memo1": ["C:\\Data Files\\a.txt"], "Edit4": "D:\\Backup",
 "CheckBox2": true, "Memo2": ["C:\\TEMP\\*.TMP"], "CheckBox13": true, "Edit12": "C:\\OLD.TXT", "Edit13": "NEW",
 "Edit14": "TXT",
 "CheckBox6": true, "Edit5": "Continue?", "MaskEdit1": "Y", "MaskEdit2": "N", "CheckBox14": false,
 "RadioButton6": true, "Edit7": "C:\\GO.EXE",
 "CheckBox9": true, "Edit2": "C:\\E.EXE", "CheckBox10": true, "Memo3": ["C:\\README.TXT"],
 "CheckBox21": true, "RadioButton27": true, "RadioButton29": true, "CSpinEdit2": 30,
 "CheckBox23": true, "RadioButton32": true,
 "CheckBox24": true, "Memo4": ["C:\\A.TXT", "C:\\B.TXT"], "RadioButton36": true, "Edit17": "ALL.TXT",
 "Edit18": "C:\\OUT",
 "CheckBox26": true, "StringGrid1": [["NAME", "Bob"], ["", ""], ["DEST", "D:\\Backup"]],
 "CheckBox27": true, "RadioButton37": true, "Edit19": "%NAME%", "Edit20": "YES", "RadioButton39": true,
 "Edit23": "ECHO HI",
 "CheckBox29": true, "Memo5": ["C:\\Data Files\\a.txt", "C:\\B.TXT"], "ComboBox1": "DEL", "Edit26": "/P",
 "CheckBox36": true, "Memo9": ["C:\\Program Files\\My Backup.bat"], "CheckBox40": true,
 "CheckBox37": true, "Edit33": "C:\\WORK", "ComboBox5": "K",
 "RadioButton43": true, "Edit25": "DOCS", "Edit27": "C:\\Data", "Edit28": "Team",
 "ComboBox2": "Enabled, Auto re-integrate", "CSpinEdit1": 5,
 "RadioButton47": true, "Edit29": "Z:", "Edit30": "\\\\SERVER\\DOCS", "Edit31": "secret", "CheckBox32": true,
 "Edit32": "bob",
 "RadioButton51": true, "ComboBox3": "Spooler",
 "RadioButton53": true, "ComboBox4": "SCHEDULE",
 "CheckBox34": true, "Edit34": "Back at 3", "RadioButton59": true, "Edit35": "Bob Smith",
 "CheckBox33": true, "RadioButton63": true, "Edit38": "SALES",
 "CheckBox42": true, "Edit42": "OFFICE\\admin", "Edit40": "C:\\WINNT\\NOTEPAD.EXE",
 "CheckBox35": true, "RadioButton65": true, "Edit43": "bob", "Edit44": "pw", "Edit45": "Bob Smith",
 "CheckBox50": true, "DateTimePicker1": "31/12/2031", "Memo10": ["A", "B"], "CheckBox47": true
}})";

} // namespace

TEST(QltGeneratePages, EverySectionOfEveryPageAtOnce) {
    TempDir dir;
    dir.write("Services.qlt", "Spooler\r\nEVENTLOG\r\n");
    const auto result = generateIn(dir, EVERY_SECTION_PLAN);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
    // The START line of a program without arguments ends in a blank.
    EXPECT_EQ(result.out, R"(COPY C:\DATAFI~1\a.txt "D:\Backup" /Y
DEL "C:\TEMP\*.TMP"
RENAME C:\OLD.TXT "NEW.TXT"
CHOICE /CYN Continue?
IF ERRORLEVEL==2 GOTO DCHOICETWO
IF ERRORLEVEL==1 GOTO DCHOICEONE

:DCHOICEONE
C:\GO.EXE
GOTO ENDD

:DCHOICETWO
GOTO ENDD

:ENDD
START /r C:\E.EXE 
START /r C:\README.TXT
shutdown -r -t: 30
COPY CON LPT1
COPY C:\A.TXT + C:\B.TXT C:\OUT\ALL.TXT
SET NAME=Bob
SET DEST=D:\Backup
IF %NAME%==YES ECHO HI
FOR %%f IN (C:\DATAFI~1\a.txt C:\B.TXT) DO DEL %%f /P
ATTRIB -A -R -S +H C:\PROGRA~1\MYBACK~1.BAT
SUBST K: C:\WORK
NET SHARE DOCS="C:\Data" /USERS:5 /REMARK:"Team" /CACHE:Automatic
NET USE Z: "\\SERVER\DOCS" secret /USER:bob
NET START "Spooler"
NET PAUSE "SCHEDULE"
NET SEND "Bob Smith" "Back at 3"
NET TIME /DOMAIN:SALES /SET
RUNAS /USER:OFFICE\admin "C:\WINNT\NOTEPAD.EXE "
NET USER bob pw /ADD /ACTIVE:YES /PASSWORDCHG:YES /FULLNAME:"Bob Smith" /EXPIRES:31/12/2031 /WORKSTATIONS:A,B,,,,,, /TIMES:ALL /DOMAIN
)");
}
