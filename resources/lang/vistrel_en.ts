<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>Unfreeze</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>Freeze</translation>
        </message>
    </context>
    <context>
        <name>HelpDialog</name>
        <message>
            <source>Orvanta Pro</source>
            <translation>Orvanta Pro</translation>
        </message>
        <message>
            <source>Version：V3.1.3</source>
            <translation>Version: V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>Copyright © 2026 Vistrel development team. All rights reserved.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>E-mail:</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>Website:</translation>
        </message>
    </context>
    <context>
        <name>SettingDialogClass</name>
        <message>
            <source>图片保存路径</source>
            <translation>Photo folder</translation>
        </message>
        <message>
            <source>浏览</source>
            <translation>Browse...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>Video folder</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>The start time must be later than the current time.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>Start time</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Photo</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Video</translation>
        </message>
        <message>
            <source>间隔时间</source>
            <translation>Interval</translation>
        </message>
        <message>
            <source>s</source>
            <translation>s</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>Clip length</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>Total count</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>Shots taken</translation>
        </message>
        <message>
            <source>开始</source>
            <translation>Start</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Stop</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Close</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>An unexpected error occurred. Please contact a service engineer.</translation>
        </message>
    </context>
</TS>
