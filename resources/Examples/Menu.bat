@ECHO OFF
REM Menu.bat - a small menu: the user presses 1, 2 or 3.
:START
CLS
ECHO 1. Show today's date
ECHO 2. List the text files in this folder
ECHO 3. Quit
CHOICE /C123 Your choice
REM Test the highest ERRORLEVEL first: IF ERRORLEVEL 2 is also true for 3.
IF ERRORLEVEL==3 GOTO AOPTIONTHREE
IF ERRORLEVEL==2 GOTO ACHOICETWO
IF ERRORLEVEL==1 GOTO ACHOICEONE

:ACHOICEONE
DATE
GOTO ENDA

:ACHOICETWO
DIR *.TXT /P
GOTO ENDA

:AOPTIONTHREE
GOTO FINISH

:ENDA
PAUSE
GOTO START
:FINISH
ECHO Goodbye.
