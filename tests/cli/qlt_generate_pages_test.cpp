// `qlt generate` on a plan that sets fields of every kind on the variables,
// FOR, network and server pages, one section of each page.
#include "support/process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using testing_support::runCommand;
using testing_support::shellQuote;

TEST(QltGeneratePages, OneSectionOfEachPage) {
    testing_support::TempDir dir;
    // qlt offers the services listed in the folder it runs in.
    dir.write("Services.qlt", "Spooler\r\nEVENTLOG\r\n");
    dir.write("plan.json", R"({"fields": {
 "CheckBox26": true, "StringGrid1": [["NAME", "Bob"], ["", ""], ["DEST", "D:\\Backup"]],
 "CheckBox37": true, "Edit33": "C:\\WORK", "ComboBox5": "K",
 "RadioButton43": true, "Edit25": "DOCS", "Edit27": "C:\\Data", "Edit28": "Team",
 "ComboBox2": "Enabled, Auto re-integrate", "CSpinEdit1": 5,
 "RadioButton51": true, "ComboBox3": "Spooler",
 "CheckBox33": true, "RadioButton63": true, "Edit38": "SALES",
 "CheckBox35": true, "RadioButton65": true, "Edit43": "bob", "Edit44": "pw", "CheckBox50": true,
 "DateTimePicker1": "31/12/2031", "Memo10": ["A", "B"], "CheckBox47": true
}})");
    const auto result = runCommand("cd " + shellQuote(dir.folder()) + " && " + QLT_EXECUTABLE + " generate plan.json");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, R"(SET NAME=Bob
SET DEST=D:\Backup
SUBST K: C:\WORK
NET SHARE DOCS="C:\Data" /USERS:5 /REMARK:"Team" /CACHE:Automatic
NET START "Spooler"
NET TIME /DOMAIN:SALES /SET
NET USER bob pw /ADD /ACTIVE:YES /PASSWORDCHG:YES /EXPIRES:31/12/2031 /WORKSTATIONS:A,B,,,,,, /TIMES:ALL /DOMAIN
)");
}
