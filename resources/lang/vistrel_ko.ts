<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>정지 해제</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>정지</translation>
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
            <translation>버전: V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>Copyright © 2026 Vistrel 개발팀. All rights reserved.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>이메일:</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>웹사이트:</translation>
        </message>
    </context>
    <context>
        <name>SettingDialogClass</name>
        <message>
            <source>图片保存路径</source>
            <translation>사진 저장 폴더</translation>
        </message>
        <message>
            <source>浏览</source>
            <translation>찾아보기...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>동영상 저장 폴더</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>확인</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>취소</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>시작 시간은 현재 시간보다 늦어야 합니다.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>시작 시간</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>사진</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>녹화</translation>
        </message>
        <message>
            <source>间隔时间</source>
            <translation>간격</translation>
        </message>
        <message>
            <source>s</source>
            <translation>초</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>동영상 길이</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>총 수량</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>촬영 수</translation>
        </message>
        <message>
            <source>开始</source>
            <translation>시작</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>중지</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>닫기</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>예기치 않은 오류가 발생했습니다. 엔지니어에게 문의하십시오.</translation>
        </message>
    </context>
</TS>
