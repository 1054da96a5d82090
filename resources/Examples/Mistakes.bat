@ECHO OFF
REM Mistakes.bat - a batch file full of deliberate mistakes.
REM Press F7 (Batch > Check Syntax) and read what the checker says about each line.
REM 1. A path with a blank in it: DOS takes C:\MY as the first argument.
COPY C:\MY FILES\LETTER.TXT A:\
REM 2. A FOR variable needs two percent signs in a batch file.
FOR %F IN (*.TXT) DO TYPE %F
REM 3. The list of files in a FOR must stand in brackets.
FOR %%F IN *.TXT DO TYPE %%F
REM 4. NOT belongs straight after IF.
IF EXIST LETTER.TXT NOT GOTO END
REM 5. The switch of MOVE must come before the file.
MOVE LETTER.TXT C:\ /Y
REM 6. A GOTO to a label that does not exist.
GOTO FINISH
REM 7. A misspelt command.
EHCO Hello
REM 8. START takes only one of /R, /M and /MAX.
START /MAX /M NOTEPAD.EXE
REM 9. Output sent to a file whose path holds a blank.
TYPE LETTER.TXT > C:\MY FILES\LIST.TXT
:END
