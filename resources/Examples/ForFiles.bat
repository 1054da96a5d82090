@ECHO OFF
REM ForFiles.bat - FOR loops that work on every matching file.
REM In a batch file the FOR variable takes two percent signs: %%F.
ECHO The text files in this folder:
FOR %%F IN (*.TXT) DO TYPE %%F
REM Keep a copy of every log file, then delete the originals one by one.
IF NOT EXIST C:\OLDLOGS\NUL MD C:\OLDLOGS
FOR %%F IN (*.LOG) DO COPY %%F C:\OLDLOGS
FOR %%F IN (*.LOG) DO DEL %%F
REM Any command can follow DO, ECHO included.
FOR %%F IN (*.BAK) DO ECHO Found %%F
ECHO Done.
