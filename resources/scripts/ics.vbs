OPTION EXPLICIT

' Shares the Internet connection of a public connection with a private one through the
' platform's sharing manager. Usage: cscript ics.vbs "private" "public" "on"|"off"

Dim ICSSC_DEFAULT, CONNECTION_PUBLIC, CONNECTION_PRIVATE, CONNECTION_ALL
Dim objArgs, priv_con, publ_con, switch
Dim NetSharingManager, EveryConnectionCollection

ICSSC_DEFAULT = 0
CONNECTION_PUBLIC = 0
CONNECTION_PRIVATE = 1
CONNECTION_ALL = 2

Main

Sub Main()
    Set objArgs = WScript.Arguments
    If objArgs.Count = 3 Then
        priv_con = objArgs(0) '内网连接名
        publ_con = objArgs(1) '外网连接名
        switch = objArgs(2) '状态切换开关 on 为 打开ics  off 相反
        If Initialize() = True Then
            GetConnectionObjects
            FirewallTestByName priv_con, publ_con
        End If
    Else
        ' Any other count only lists the connections; "list" matches none of them.
        If Initialize() = True Then
            GetConnectionObjects
            FirewallTestByName "list", "list"
        End If
        WScript.Echo "To share your internet connection, please provide the name of the private and public connections as the argument." & vbCrLf & _
            vbCrLf & _
            "Usage:" & vbCrLf & _
            "       " & WScript.ScriptName & " ""Private Connection Name"" ""Public Connection Name""" & _
            vbCrLf & vbCrLf
    End If
End Sub

Function Initialize()
    Initialize = False
    Set NetSharingManager = WScript.CreateObject("HNetCfg.HNetShare.1")
    If Not IsObject(NetSharingManager) Then
        WScript.Echo "Unable to get the HNetCfg.HnetShare.1 object"
    ElseIf IsNull(NetSharingManager.SharingInstalled) Then
        ' Only Null means there is no sharing service; False does not stop us.
        WScript.Echo "Sharing isn't available on this platform."
    Else
        Initialize = True
    End If
End Function

Sub GetConnectionObjects()
    GetConnection CONNECTION_PUBLIC
    GetConnection CONNECTION_PRIVATE
    GetConnection CONNECTION_ALL
End Sub

Sub GetConnection(CONNECTION_TYPE)
    Dim Connections
    If CONNECTION_TYPE = CONNECTION_PUBLIC Then
        Set Connections = NetSharingManager.EnumPublicConnections(ICSSC_DEFAULT)
    ElseIf CONNECTION_TYPE = CONNECTION_PRIVATE Then
        Set Connections = NetSharingManager.EnumPrivateConnections(ICSSC_DEFAULT)
    Else
        Set Connections = NetSharingManager.EnumEveryConnection
        If Connections.Count > 0 Then Set EveryConnectionCollection = Connections
    End If
    WScript.Echo Connections.Count & " objects for connection type " & ConvertConnectionTypeToString(CONNECTION_TYPE)
End Sub

Sub FirewallTestByName(con1, con2)
    ' A connection that cannot be read or switched must not keep the others from their turn.
    On Error Resume Next
    Dim Item, EveryConnection, objNCProps, szMsg, bFound1, bFound2
    WScript.Echo vbCrLf & vbCrLf
    bFound1 = False
    bFound2 = False
    ' Without any connection the collection stays unset: there is nothing to walk, so
    ' nothing is described or switched, and both names are reported as not found.
    If IsObject(EveryConnectionCollection) Then
        For Each Item In EveryConnectionCollection
            Set EveryConnection = NetSharingManager.INetSharingConfigurationForINetConnection(Item)
            Set objNCProps = NetSharingManager.NetConnectionProps(Item)
            szMsg = "Name: " & objNCProps.Name & vbCrLf & _
                "Guid: " & objNCProps.Guid & vbCrLf & _
                "DeviceName: " & objNCProps.DeviceName & vbCrLf & _
                "Status: " & objNCProps.Status & vbCrLf & _
                "MediaType: " & objNCProps.MediaType
            If EveryConnection.SharingEnabled = True Then
                szMsg = szMsg & vbCrLf & "SharingEnabled" & vbCrLf & _
                    "SharingType: " & ConvertConnectionTypeToString(EveryConnection.SharingConnectionType)
            End If
            If objNCProps.Name = con1 Then
                bFound1 = True
                If EveryConnection.SharingEnabled = False And switch = "on" Then
                    szMsg = szMsg & vbCrLf & "Not Shared... Enabling private connection share..."
                    WScript.Echo szMsg
                    EveryConnection.EnableSharing CONNECTION_PRIVATE
                    szMsg = " Shared!"
                ElseIf switch = "off" Then
                    szMsg = szMsg & vbCrLf & "Shared... DisEnabling private connection share..."
                    WScript.Echo szMsg
                    EveryConnection.DisableSharing
                End If
            End If
            ' Read afresh: when both names are the same, the private share above already holds.
            If objNCProps.Name = con2 Then
                bFound2 = True
                If EveryConnection.SharingEnabled = False And switch = "on" Then
                    szMsg = szMsg & vbCrLf & "Not Shared... Enabling public connection share..."
                    WScript.Echo szMsg
                    EveryConnection.EnableSharing CONNECTION_PUBLIC
                    szMsg = " Shared!"
                ElseIf switch = "off" Then
                    szMsg = szMsg & vbCrLf & "Shared... DisEnabling public connection share..."
                    WScript.Echo szMsg
                    EveryConnection.DisableSharing
                End If
            End If
            WScript.Echo szMsg & vbCrLf & vbCrLf
        Next
    End If
    If con1 <> "list" Then
        If Not bFound1 Then WScript.Echo "Connection """ & con1 & """ was not found"
        If Not bFound2 Then WScript.Echo "Connection """ & con2 & """ was not found"
    End If
End Sub

Function ConvertConnectionTypeToString(ConnectionID)
    If ConnectionID = CONNECTION_PUBLIC Then
        ConvertConnectionTypeToString = "public"
    ElseIf ConnectionID = CONNECTION_PRIVATE Then
        ConvertConnectionTypeToString = "private"
    ElseIf ConnectionID = CONNECTION_ALL Then
        ConvertConnectionTypeToString = "all"
    Else
        ConvertConnectionTypeToString = "Unknown: " & ConnectionID
    End If
End Function