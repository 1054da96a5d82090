@ECHO OFF
REM Backup.bat - copies the documents folder to a backup folder.
REM Change the two SET lines below to your own folders.
SET SOURCE=C:\DATA
SET TARGET=D:\BACKUP
:START
CLS
ECHO Backing up %SOURCE% to %TARGET%...
IF NOT EXIST %TARGET%\NUL MD %TARGET%
REM XCOPY copies the folder with its subfolders (/E), overwriting without asking (/Y).
XCOPY %SOURCE% %TARGET% /Y /E
REM The address book is copied on its own and verified (/V).
COPY C:\ADDRESS\BOOK.TXT %TARGET% /Y /V
IF ERRORLEVEL 1 GOTO FAILED
ECHO The backup is complete.
GOTO END
:FAILED
ECHO The backup did not finish. Check that %TARGET% has room and try again.
PAUSE
:END
ECHO This Batch file was created with the Quillet from Marrowfen Software.
