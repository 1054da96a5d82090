@ECHO OFF
REM Logon.bat - a network logon script for the office.
REM It connects the shared drives, the printer and sets the clock.
ECHO Welcome, %USERNAME%. Connecting your network drives...
REM Remove old connections first so the drive letters are free.
NET USE H: /DELETE
NET USE P: /DELETE
NET USE H: /HOME
NET USE P: "\\OFFICE\PROJECTS" /PERSISTENT:NO
NET USE LPT1: "\\OFFICE\LASER" /PERSISTENT:NO
REM Take the time from the office server.
NET TIME \\OFFICE /SET /YES
IF EXIST H:\LOGON.TXT TYPE H:\LOGON.TXT
NET SEND * "%USERNAME% has logged on"
ECHO Your drives are ready.
