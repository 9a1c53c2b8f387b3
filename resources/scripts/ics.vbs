OPTION EXPLICIT
WScript.Echo "placeholder"