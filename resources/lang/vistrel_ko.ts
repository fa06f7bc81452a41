<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
    <context>
        <name>AnalysisTools</name>
        <message>
            <source>吸附边缘</source>
            <translation>가장자리에 맞추기</translation>
        </message>
        <message>
            <source>拟合圆</source>
            <translation>원 맞춤</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>입자 분석</translation>
        </message>
    </context>
    <context>
        <name>BDWidget</name>
        <message>
            <source>测量</source>
            <translation>측정</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>좌표</translation>
        </message>
        <message>
            <source>线条</source>
            <translation>선</translation>
        </message>
        <message>
            <source>折线</source>
            <translation>꺾은선</translation>
        </message>
        <message>
            <source>矩形</source>
            <translation>사각형</translation>
        </message>
        <message>
            <source>多边形</source>
            <translation>다각형</translation>
        </message>
        <message>
            <source>平行线</source>
            <translation>평행선</translation>
        </message>
        <message>
            <source>垂线</source>
            <translation>수직선</translation>
        </message>
        <message>
            <source>网格线</source>
            <translation>격자선</translation>
        </message>
        <message>
            <source>角度</source>
            <translation>각도</translation>
        </message>
        <message>
            <source>圆弧</source>
            <translation>호</translation>
        </message>
        <message>
            <source>圆</source>
            <translation>원</translation>
        </message>
        <message>
            <source>两点圆</source>
            <translation>2점 원</translation>
        </message>
        <message>
            <source>三点圆</source>
            <translation>3점 원</translation>
        </message>
        <message>
            <source>重合圆</source>
            <translation>동심원</translation>
        </message>
        <message>
            <source>双圆</source>
            <translation>두 원</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>텍스트</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>이동</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>삭제</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>십자선</translation>
        </message>
        <message>
            <source>后退一步</source>
            <translation>실행 취소</translation>
        </message>
        <message>
            <source>前进一步</source>
            <translation>다시 실행</translation>
        </message>
        <message>
            <source>清除</source>
            <translation>모두 지우기</translation>
        </message>
        <message>
            <source>测量图标</source>
            <translation>도형</translation>
        </message>
        <message>
            <source>颜色</source>
            <translation>색상</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>글꼴</translation>
        </message>
        <message>
            <source>大小</source>
            <translation>크기</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>보정</translation>
        </message>
        <message>
            <source>标定值</source>
            <translation>현재 보정</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>편집</translation>
        </message>
        <message>
            <source>标定列表</source>
            <translation>보정 목록</translation>
        </message>
        <message>
            <source>备份</source>
            <translation>백업</translation>
        </message>
        <message>
            <source>恢复</source>
            <translation>복원</translation>
        </message>
        <message>
            <source>增加一个新的标定</source>
            <translation>새 보정</translation>
        </message>
        <message>
            <source>放大倍数</source>
            <translation>배율</translation>
        </message>
        <message>
            <source>实际长度</source>
            <translation>실제 길이</translation>
        </message>
        <message>
            <source>新增</source>
            <translation>추가</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>实线</source>
            <translation>실선</translation>
        </message>
        <message>
            <source>虚线</source>
            <translation>파선</translation>
        </message>
        <message>
            <source>是否删除全部</source>
            <translation>모든 측정을 삭제하시겠습니까?</translation>
        </message>
        <message>
            <source>标定于 %1 × %2，缩放 ×%3</source>
            <translation>%1 × %2에서 보정됨, ×%3 배율 적용</translation>
        </message>
        <message>
            <source>无法写入备份文件：%1</source>
            <translation>백업 파일을 쓸 수 없습니다: %1</translation>
        </message>
        <message>
            <source>已跳过 %1 条系数无效的标定</source>
            <translation>계수가 잘못된 보정 %1개를 건너뛰었습니다.</translation>
        </message>
        <message>
            <source>文件中没有可用的标定，列表未改变</source>
            <translation>파일에 사용할 수 있는 보정이 없습니다. 목록은 변경되지 않았습니다.</translation>
        </message>
        <message>
            <source>无法读取该文件或它不是标定备份，列表未改变</source>
            <translation>파일을 읽을 수 없거나 보정 백업이 아닙니다. 목록은 변경되지 않았습니다.</translation>
        </message>
        <message>
            <source>用文件中的 %1 条标定替换当前的 %2 条标定？</source>
            <translation>현재 보정 %2개를 파일의 보정 %1개로 바꾸시겠습니까?</translation>
        </message>
        <message>
            <source>结果</source>
            <translation>결과</translation>
        </message>
        <message>
            <source>同时保存 CSV</source>
            <translation>CSV도 저장</translation>
        </message>
        <message>
            <source>保存图片时在旁边写入测量结果（CSV）</source>
            <translation>저장한 그림 옆에 측정 결과(CSV)도 기록</translation>
        </message>
        <message>
            <source>标定文件</source>
            <translation>보정 파일</translation>
        </message>
        <message>
            <source>加入列表</source>
            <translation>목록에 추가</translation>
        </message>
        <message>
            <source>自动识别刻度</source>
            <translation>눈금 자동 찾기</translation>
        </message>
        <message>
            <source>在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上</source>
            <translation>화면에서 눈금을 찾아 자를 첫 눈금부터 마지막 눈금까지 놓습니다</translation>
        </message>
        <message>
            <source>每一格的长度</source>
            <translation>한 눈금의 길이</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，现在使用“%2”</source>
            <translation>보정 "%1"이(가) 목록에 없습니다. 이제 "%2"을(를) 사용합니다.</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，测量值以像素显示</source>
            <translation>보정 "%1"이(가) 목록에 없습니다. 측정값을 픽셀로 표시합니다.</translation>
        </message>
        <message>
            <source>未标定 (px)</source>
            <translation>보정 안 됨 (px)</translation>
        </message>
        <message>
            <source>来自照片</source>
            <translation>사진에서</translation>
        </message>
        <message>
            <source>实际长度“%1”无效：请输入大于 0 的长度，例如 %2</source>
            <translation>실제 길이 "%1"이(가) 올바르지 않습니다. 0보다 큰 길이를 입력하십시오(예: %2)</translation>
        </message>
        <message>
            <source>标尺长度为 0：请把标尺的两端拖到已知长度的两端</source>
            <translation>자의 길이가 0입니다. 양 끝을 알려진 길이의 양 끝으로 끄십시오</translation>
        </message>
        <message>
            <source>未找到刻度：请让标尺的刻度清晰、完整地出现在画面中</source>
            <translation>눈금을 찾지 못했습니다. 눈금이 선명하고 온전하게 화면에 나오도록 하십시오</translation>
        </message>
    </context>
    <context>
        <name>CameraHub</name>
        <message>
            <source>USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口</source>
            <translation>USB 대역폭이 부족합니다: MJPG 또는 더 낮은 해상도를 사용하거나 다른 USB 포트에 연결하십시오</translation>
        </message>
        <message>
            <source>没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。</source>
            <translation>%1을(를) 열 권한이 없습니다. 프로그램의 udev 규칙을 설치하고 카메라를 다시 연결하거나, 사용자를 video 그룹에 추가(sudo usermod -aG video $USER)한 뒤 다시 로그인하십시오.</translation>
        </message>
        <message>
            <source>显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：
%2
或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。</source>
            <translation>현미경의 촬영 버튼을 사용할 수 없습니다: %1을(를) 읽을 권한이 없습니다. 다음 명령을 실행한 뒤 카메라를 다시 연결하십시오:
%2
또는 사용자를 input 그룹에 추가하고(sudo usermod -aG input $USER) 다시 로그인하십시오.</translation>
        </message>
    </context>
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
        <name>CameraScene</name>
        <message>
            <source>文字</source>
            <translation>텍스트</translation>
        </message>
        <message>
            <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
            <translation>카메라가 감지되지 않았습니다. 현미경을 컴퓨터의 USB 포트에 직접 연결하십시오.</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>设备属性</source>
            <translation>장치 설정</translation>
        </message>
        <message>
            <source>设备没有可调整的参数</source>
            <translation>이 카메라에는 조정 가능한 설정이 없습니다.</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>기본값 복원</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>닫기</translation>
        </message>
    </context>
    <context>
        <name>DiskError</name>
        <message>
            <source>磁盘已满：%1（剩余 %2）</source>
            <translation>디스크가 가득 찼습니다: %1 (여유 공간 %2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1</source>
            <translation>폴더에 쓸 수 없습니다: %1</translation>
        </message>
        <message>
            <source>写入失败：%1（%2）</source>
            <translation>쓰기 실패: %1 (%2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1（无法在 %2 中创建）</source>
            <translation>폴더에 쓸 수 없습니다: %1 (%2에 만들 수 없음)</translation>
        </message>
    </context>
    <context>
        <name>FileBrowser</name>
        <message>
            <source>Search</source>
            <translation>검색</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>이름</translation>
        </message>
        <message>
            <source>文件夹名称无效</source>
            <translation>잘못된 폴더 이름</translation>
        </message>
        <message>
            <source>新建文件夹</source>
            <translation>새 폴더</translation>
        </message>
        <message>
            <source>返回上一级</source>
            <translation>상위 폴더</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>날짜</translation>
        </message>
        <message>
            <source>排序</source>
            <translation>정렬</translation>
        </message>
        <message>
            <source>此链接指向根文件夹之外，不会打开：%1</source>
            <translation>이 링크는 루트 폴더 밖을 가리키므로 열지 않습니다: %1</translation>
        </message>
    </context>
    <context>
        <name>FileOperations</name>
        <message>
            <source>%1 个文件</source>
            <translation>파일 %1개</translation>
        </message>
        <message>
            <source>%1 个文件夹（共 %2 项）</source>
            <translation>폴더 %1개(항목 %2개)</translation>
        </message>
        <message>
            <source>%1 个文件和 %2 个文件夹（共 %3 项）</source>
            <translation>파일 %1개와 폴더 %2개(항목 %3개)</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>열기</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>복사</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>삭제</translation>
        </message>
        <message>
            <source>全部删除</source>
            <translation>모두 삭제</translation>
        </message>
        <message>
            <source>重命名</source>
            <translation>이름 바꾸기</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>다른 이름으로 저장</translation>
        </message>
        <message>
            <source>全部另存为</source>
            <translation>모두 다른 위치에 저장</translation>
        </message>
        <message>
            <source>复制文件...</source>
            <translation>파일 복사 중...</translation>
        </message>
        <message>
            <source>已复制 %1 个文件，跳过 %2 个同名文件。</source>
            <translation>파일 %1개를 복사하고 이름이 같은 파일 %2개를 건너뛰었습니다.</translation>
        </message>
        <message>
            <source>不支持的文件类型：%1</source>
            <translation>지원되지 않는 파일 형식: %1</translation>
        </message>
        <message>
            <source>复制失败：%1</source>
            <translation>복사 실패: %1</translation>
        </message>
        <message>
            <source>是否将 %1 移到回收站？</source>
            <translation>%1을(를) 휴지통으로 이동하시겠습니까?</translation>
        </message>
        <message>
            <source>以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2
是否永久删除？此操作无法撤销。</source>
            <translation>다음 %1개 항목은 휴지통으로 이동할 수 없습니다(다른 디스크 등 그곳에는 휴지통이 없습니다): %2
영구적으로 삭제하시겠습니까? 이 작업은 되돌릴 수 없습니다.</translation>
        </message>
        <message>
            <source>无法删除：%1</source>
            <translation>삭제할 수 없습니다: %1</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>이름</translation>
        </message>
        <message>
            <source>新名称</source>
            <translation>새 이름:</translation>
        </message>
        <message>
            <source>名称无效</source>
            <translation>잘못된 이름</translation>
        </message>
        <message>
            <source>文件已存在：%1</source>
            <translation>파일이 이미 있습니다: %1</translation>
        </message>
        <message>
            <source>不能将文件复制到其自身：%1</source>
            <translation>파일을 자기 자신에게 복사할 수 없습니다: %1</translation>
        </message>
        <message>
            <source>不能将文件夹复制到其自身之中：%1</source>
            <translation>폴더를 자기 자신 안에 복사할 수 없습니다: %1</translation>
        </message>
        <message>
            <source>文件已存在：%1
是否替换？</source>
            <translation>파일이 이미 있습니다: %1
바꾸시겠습니까?</translation>
        </message>
        <message>
            <source>%1 个文件已在目标文件夹中，未复制。</source>
            <translation>대상 폴더에 이미 있어 복사하지 않은 파일: %1개</translation>
        </message>
        <message>
            <source>没有可以打开此文件的程序：%1</source>
            <translation>이 파일을 열 프로그램이 설정되어 있지 않습니다: %1</translation>
        </message>
        <message>
            <source>照片和视频</source>
            <translation>사진 및 동영상</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>사진</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>모든 파일</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>가져오기</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>不在根文件夹内，未删除：%1</source>
            <translation>루트 폴더 밖에 있어 삭제하지 않았습니다: %1</translation>
        </message>
        <message>
            <source>不在根文件夹内，未重命名：%1</source>
            <translation>루트 폴더 밖에 있어 이름을 바꾸지 않았습니다: %1</translation>
        </message>
        <message>
            <source>无法读取：%1（%2）</source>
            <translation>읽을 수 없음: %1 (%2)</translation>
        </message>
        <message>
            <source>修复录像</source>
            <translation>녹화 복구</translation>
        </message>
        <message>
            <source>正在修复录像：%1</source>
            <translation>녹화 복구 중: %1</translation>
        </message>
        <message>
            <source>图片过大，未导入：%1</source>
            <translation>이미지가 너무 커서 가져오지 않았습니다: %1</translation>
        </message>
        <message>
            <source>无法将 %1 重命名为 %2</source>
            <translation>%1의 이름을 %2(으)로 바꿀 수 없습니다</translation>
        </message>
    </context>
    <context>
        <name>FlatFieldControl</name>
        <message>
            <source>平场太暗：请打开照明，对准空白视野</source>
            <translation>플랫 필드가 너무 어둡습니다: 조명을 켜고 빈 시야를 향하세요</translation>
        </message>
        <message>
            <source>平场过曝：请降低曝光或亮度</source>
            <translation>플랫 필드가 과노출입니다: 노출이나 밝기를 낮추세요</translation>
        </message>
        <message>
            <source>请先采集平场</source>
            <translation>먼저 플랫 필드를 촬영하세요</translation>
        </message>
        <message>
            <source>采集失败：相机没有送来画面</source>
            <translation>촬영 실패: 카메라가 영상을 보내지 않았습니다</translation>
        </message>
        <message>
            <source>平场校正</source>
            <translation>플랫 필드 보정</translation>
        </message>
        <message>
            <source>采集平场</source>
            <translation>플랫 필드 촬영</translation>
        </message>
        <message>
            <source>采集暗场</source>
            <translation>다크 프레임 촬영</translation>
        </message>
        <message>
            <source>对准空白、均匀照明的视野后采集</source>
            <translation>비어 있고 고르게 조명된 시야를 향한 후 촬영하세요</translation>
        </message>
        <message>
            <source>关闭照明或盖上镜头后采集</source>
            <translation>조명을 끄거나 렌즈를 가린 후 촬영하세요</translation>
        </message>
        <message>
            <source>正在采集…</source>
            <translation>촬영 중…</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>장치가 시작되지 않았습니다.</translation>
        </message>
        <message>
            <source>此分辨率尚未采集平场</source>
            <translation>이 해상도에서 촬영한 플랫 필드가 없습니다</translation>
        </message>
        <message>
            <source>平场：%1%2</source>
            <translation>플랫 필드: %1%2</translation>
        </message>
        <message>
            <source>，含暗场</source>
            <translation>, 다크 프레임 포함</translation>
        </message>
        <message>
            <source>采集失败：分辨率已改变</source>
            <translation>촬영 실패: 해상도가 바뀌었습니다</translation>
        </message>
        <message>
            <source>无法保存平场图片，校正只在本次运行有效</source>
            <translation>플랫 필드 이미지를 저장할 수 없습니다. 보정은 프로그램을 닫을 때까지 유효합니다</translation>
        </message>
    </context>
    <context>
        <name>FocusStackPanel</name>
        <message>
            <source>景深合成</source>
            <translation>초점 스태킹</translation>
        </message>
        <message>
            <source>转动调焦旋钮，让物体各处依次清晰，然后再按一次“景深合成”。</source>
            <translation>물체의 모든 부분이 차례로 선명해지도록 초점 노브를 돌린 다음 초점 스태킹을 다시 누르세요.</translation>
        </message>
        <message>
            <source>保存深度图</source>
            <translation>깊이 맵 저장</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>완료</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>닫기</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>취소</translation>
        </message>
    </context>
    <context>
        <name>FocusStacker</name>
        <message>
            <source>景深合成</source>
            <translation>초점 스태킹</translation>
        </message>
        <message>
            <source>已合成 %1 帧（已查看 %2 帧）</source>
            <translation>%1 프레임 합성됨 (%2 프레임 확인)</translation>
        </message>
        <message>
            <source>没有可合成的帧</source>
            <translation>합성할 프레임이 없습니다</translation>
        </message>
        <message>
            <source>正在合成...</source>
            <translation>합성 중...</translation>
        </message>
        <message>
            <source>正在进行景深合成。</source>
            <translation>초점 스태킹이 진행 중입니다.</translation>
        </message>
        <message>
            <source>请选择至少两张照片。</source>
            <translation>사진을 두 장 이상 선택하세요.</translation>
        </message>
        <message>
            <source>无法读取：%1</source>
            <translation>읽을 수 없음: %1</translation>
        </message>
        <message>
            <source>无法对齐：%1</source>
            <translation>정렬할 수 없음: %1</translation>
        </message>
        <message>
            <source>已保存：%1</source>
            <translation>저장됨: %1</translation>
        </message>
        <message>
            <source>景深合成失败：%1</source>
            <translation>초점 스태킹 실패: %1</translation>
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
        <message>
            <source>关于 Qt</source>
            <translation>Qt 정보</translation>
        </message>
        <message>
            <source>本程序使用以下开源库：</source>
            <translation>이 프로그램은 다음 오픈 소스 라이브러리를 사용합니다:</translation>
        </message>
    </context>
    <context>
        <name>MeasureEditer</name>
        <message>
            <source>Scale</source>
            <translation>창에 맞춤</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>좌표</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>저장 실패</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>저장</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>다른 이름으로 저장</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>인쇄</translation>
        </message>
        <message>
            <source>标注文件已损坏，已忽略</source>
            <translation>주석 파일이 손상되어 무시했습니다</translation>
        </message>
        <message>
            <source>已采用照片中的标定：%1</source>
            <translation>사진에 저장된 보정 사용: %1</translation>
        </message>
        <message>
            <source>不能覆盖正在编辑的原图，请换一个文件名。</source>
            <translation>편집 중인 원본 사진은 덮어쓸 수 없습니다. 다른 파일 이름을 선택하세요.</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>사진</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>파일을 열지 못했습니다.</translation>
        </message>
        <message>
            <source>%1 中的测量尚未保存。是否保存？</source>
            <translation>%1의 측정이 저장되지 않았습니다. 저장하시겠습니까?</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>파일</translation>
        </message>
        <message>
            <source>正在读取测量形状：%1</source>
            <translation>측정 도형을 읽는 중: %1</translation>
        </message>
        <message>
            <source>测量形状文件过大（%1，上限 %2），未读取：%3</source>
            <translation>도형 파일이 너무 큽니다(%1, 한도 %2). 읽지 않았습니다: %3</translation>
        </message>
    </context>
    <context>
        <name>MeasurementTable</name>
        <message>
            <source>编号</source>
            <translation>번호</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>도구</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>이름</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>값</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>단위</translation>
        </message>
        <message>
            <source>像素</source>
            <translation>픽셀</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>보정</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>삭제</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>저장 실패</translation>
        </message>
        <message>
            <source>导出测量结果…</source>
            <translation>측정 결과 내보내기…</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>복사</translation>
        </message>
        <message>
            <source>CSV 表格</source>
            <translation>CSV 표</translation>
        </message>
        <message>
            <source>在窗口中显示结果</source>
            <translation>결과를 창에 표시</translation>
        </message>
        <message>
            <source>面积</source>
            <translation>면적</translation>
        </message>
        <message>
            <source>周长</source>
            <translation>둘레</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>등가 지름</translation>
        </message>
        <message>
            <source>最大费雷特径</source>
            <translation>최대 페렛 지름</translation>
        </message>
        <message>
            <source>最小费雷特径</source>
            <translation>최소 페렛 지름</translation>
        </message>
        <message>
            <source>圆度</source>
            <translation>원형도</translation>
        </message>
        <message>
            <source>平均灰度</source>
            <translation>평균 회색값</translation>
        </message>
        <message>
            <source>数量</source>
            <translation>개수</translation>
        </message>
        <message>
            <source>平均值</source>
            <translation>평균</translation>
        </message>
        <message>
            <source>标准差</source>
            <translation>표준편차</translation>
        </message>
    </context>
    <context>
        <name>MosaicBuilder</name>
        <message>
            <source>拼图</source>
            <translation>모자이크</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>닫기</translation>
        </message>
        <message>
            <source>移动载物台以拼图；再按一次完成。</source>
            <translation>스테이지를 움직여 모자이크를 만드세요. 다시 누르면 완료됩니다.</translation>
        </message>
        <message>
            <source>已添加第 %1 幅</source>
            <translation>필드 %1 추가됨</translation>
        </message>
        <message>
            <source>已回到拍过的区域：拼接已细化。</source>
            <translation>이미 촬영한 영역으로 돌아옴: 배치를 정밀화했습니다.</translation>
        </message>
        <message>
            <source>画面模糊（移动太快），未添加。</source>
            <translation>화면이 흐림(너무 빠르게 이동); 추가하지 않음.</translation>
        </message>
        <message>
            <source>无法定位此画面（重叠太少），未添加。</source>
            <translation>이 화면을 배치할 수 없음(겹침 부족); 추가하지 않음.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存；未添加。</source>
            <translation>모자이크에 %1 MB가 필요하여 메모리를 초과합니다; 추가하지 않음.</translation>
        </message>
        <message>
            <source>正在拼接…</source>
            <translation>스티칭 중…</translation>
        </message>
        <message>
            <source>至少需要两幅视野。</source>
            <translation>최소 두 개의 필드가 필요합니다.</translation>
        </message>
        <message>
            <source>拼图已保存：%1</source>
            <translation>모자이크 저장됨: %1</translation>
        </message>
        <message>
            <source>无法放置：%1</source>
            <translation>배치할 수 없음: %1</translation>
        </message>
        <message>
            <source>拼接已取消。</source>
            <translation>스티칭이 취소되었습니다.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存。</source>
            <translation>모자이크에 %1 MB가 필요하여 메모리를 초과합니다.</translation>
        </message>
        <message>
            <source>拼图未保存：%1</source>
            <translation>모자이크가 저장되지 않음: %1</translation>
        </message>
        <message>
            <source>拼接</source>
            <translation>스티칭</translation>
        </message>
    </context>
    <context>
        <name>Notifier</name>
        <message>
            <source>确定</source>
            <translation>확인</translation>
        </message>
        <message>
            <source>是</source>
            <translation>예</translation>
        </message>
        <message>
            <source>否</source>
            <translation>아니요</translation>
        </message>
        <message>
            <source>全部是</source>
            <translation>모두 예</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>저장</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>저장 안 함</translation>
        </message>
    </context>
    <context>
        <name>ParticlePanel</name>
        <message>
            <source>分析中…</source>
            <translation>분석 중…</translation>
        </message>
        <message>
            <source>%1 个颗粒</source>
            <translation>입자 %1개</translation>
        </message>
        <message>
            <source>直方图</source>
            <translation>히스토그램</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>등가 지름</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>입자 분석</translation>
        </message>
        <message>
            <source>暗物体，亮背景</source>
            <translation>밝은 배경의 어두운 물체</translation>
        </message>
        <message>
            <source>亮物体，暗背景</source>
            <translation>어두운 배경의 밝은 물체</translation>
        </message>
        <message>
            <source>自动阈值 (Otsu)</source>
            <translation>자동 임계값 (Otsu)</translation>
        </message>
        <message>
            <source>填充孔洞</source>
            <translation>구멍 채우기</translation>
        </message>
        <message>
            <source>最小面积 (像素)</source>
            <translation>최소 면적 (픽셀)</translation>
        </message>
        <message>
            <source>排除接触边缘的颗粒</source>
            <translation>가장자리에 닿는 입자 제외</translation>
        </message>
        <message>
            <source>分析</source>
            <translation>분석</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>录像 %1 没有正常结束，无法修复，已原样保留。</source>
            <translation>녹화 %1이(가) 정상적으로 종료되지 않았고 복구할 수 없어 그대로 두었습니다.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，已修复，时长 %2 秒。</source>
            <translation>녹화 %1이(가) 정상적으로 종료되지 않아 복구했습니다. 길이는 %2초입니다.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。请释放空间，下次启动时会再次修复。</source>
            <translation>녹화 %1이(가) 정상적으로 끝나지 않았습니다. 복구에는 %2의 여유 공간이 필요하지만 디스크에는 %3만 있습니다. 공간을 확보하면 다음 시작 때 다시 복구합니다.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。</source>
            <translation>녹화 %1이(가) 정상적으로 끝나지 않았습니다. 복구본을 쓸 수 없어 원래대로 두었습니다. 다음 시작 때 다시 시도합니다.</translation>
        </message>
        <message>
            <source>录像 %1 的修复已取消，文件原样保留，可以再次修复。</source>
            <translation>녹화 %1의 복구가 취소되었습니다. 파일은 그대로 보존되었으며 다시 복구할 수 있습니다.</translation>
        </message>
    </context>
    <context>
        <name>Reticle</name>
        <message>
            <source>网格 %1</source>
            <translation>격자 %1</translation>
        </message>
        <message>
            <source>同心圆 %1</source>
            <translation>동심원 %1</translation>
        </message>
        <message>
            <source>网格/同心圆 %1</source>
            <translation>격자/동심원 %1</translation>
        </message>
    </context>
    <context>
        <name>ReticleMenu</name>
        <message>
            <source>关闭</source>
            <translation>끄기</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>격자</translation>
        </message>
        <message>
            <source>同心圆</source>
            <translation>동심원</translation>
        </message>
        <message>
            <source>网格和同心圆</source>
            <translation>격자와 동심원</translation>
        </message>
        <message>
            <source>标线</source>
            <translation>레티클</translation>
        </message>
        <message>
            <source>没有标定，无法显示标线</source>
            <translation>보정이 없어 레티클을 표시할 수 없습니다</translation>
        </message>
    </context>
    <context>
        <name>ScaleBarMenu</name>
        <message>
            <source>左上</source>
            <translation>왼쪽 위</translation>
        </message>
        <message>
            <source>右上</source>
            <translation>오른쪽 위</translation>
        </message>
        <message>
            <source>左下</source>
            <translation>왼쪽 아래</translation>
        </message>
        <message>
            <source>右下</source>
            <translation>오른쪽 아래</translation>
        </message>
        <message>
            <source>位置</source>
            <translation>위치</translation>
        </message>
        <message>
            <source>没有标定，无法显示比例尺</source>
            <translation>보정이 없어 축척 막대를 표시할 수 없음</translation>
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
        <message>
            <source>立即开始</source>
            <translation>지금 시작</translation>
        </message>
    </context>
    <context>
        <name>Shortcuts</name>
        <message>
            <source>撤销上一步</source>
            <translation>마지막 작업 실행 취소</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>다시 실행</translation>
        </message>
        <message>
            <source>删除选中的图形</source>
            <translation>선택한 도형 삭제</translation>
        </message>
        <message>
            <source>取消正在绘制的图形；否则退出全屏</source>
            <translation>그리는 중인 도형 취소, 없으면 전체 화면 종료</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>사진 촬영</translation>
        </message>
        <message>
            <source>开始或停止录像</source>
            <translation>녹화 시작 또는 중지</translation>
        </message>
        <message>
            <source>滚轮</source>
            <translation>휠</translation>
        </message>
        <message>
            <source>以鼠标指针为中心缩放</source>
            <translation>마우스 포인터 중심으로 확대/축소</translation>
        </message>
        <message>
            <source>键盘快捷键</source>
            <translation>키보드 단축키</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>실행 취소</translation>
        </message>
    </context>
    <context>
        <name>Vistrel</name>
        <message>
            <source>Scale</source>
            <translation>창에 맞춤</translation>
        </message>
        <message>
            <source>启动设备失败</source>
            <translation>장치를 시작하지 못했습니다.</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>장치가 시작되지 않았습니다.</translation>
        </message>
        <message>
            <source>停止录像</source>
            <translation>녹화 중지</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>녹화</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>파일을 열지 못했습니다.</translation>
        </message>
        <message>
            <source>按ESC退出全屏</source>
            <translation>Esc 키로 전체 화면 종료</translation>
        </message>
        <message>
            <source>Save Image</source>
            <translation>이미지 저장됨</translation>
        </message>
        <message>
            <source>帧率</source>
            <translation>프레임 속도</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>좌표</translation>
        </message>
        <message>
            <source>定时拍照已停止。</source>
            <translation>예약 촬영이 중지되었습니다.</translation>
        </message>
        <message>
            <source>定时拍照已停止：%1</source>
            <translation>예약 촬영이 중지되었습니다: %1</translation>
        </message>
        <message>
            <source>照片未保存：%1</source>
            <translation>사진을 저장하지 못했습니다: %1</translation>
        </message>
        <message>
            <source>下次拍摄：%1 秒后（%2/%3）</source>
            <translation>다음 촬영까지 %1초 (%2/%3)</translation>
        </message>
        <message>
            <source>正在录像。停止录像并退出吗？</source>
            <translation>녹화 중입니다. 녹화를 중지하고 종료할까요?</translation>
        </message>
        <message>
            <source>相机“%1”已断开。</source>
            <translation>카메라 "%1" 연결이 끊어졌습니다.</translation>
        </message>
        <message>
            <source>录像已保存：%1</source>
            <translation>녹화가 저장되었습니다: %1</translation>
        </message>
        <message>
            <source>在大视图中显示</source>
            <translation>큰 화면에 표시</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>사진</translation>
        </message>
        <message>
            <source>关闭相机</source>
            <translation>카메라 닫기</translation>
        </message>
        <message>
            <source>从文件打开图片…</source>
            <translation>파일에서 그림…</translation>
        </message>
        <message>
            <source>正在录像。切换到四画面需要停止录像，是否停止？</source>
            <translation>녹화 중입니다. 4분할 보기로 전환하려면 녹화를 중지해야 합니다. 중지하시겠습니까?</translation>
        </message>
        <message>
            <source>录像时不能更改；请先停止录像。</source>
            <translation>녹화 중에는 변경할 수 없습니다. 먼저 녹화를 중지하세요.</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>전체 화면</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>편집</translation>
        </message>
        <message>
            <source>程序已在运行（使用同一配置），已将其窗口置于最前。
是否以只读方式再打开一个窗口？只读窗口不保存任何设置。</source>
            <translation>프로그램이 같은 설정으로 이미 실행 중이며 그 창을 앞으로 가져왔습니다.
읽기 전용으로 창을 하나 더 여시겠습니까? 읽기 전용 창은 설정을 저장하지 않습니다.</translation>
        </message>
        <message>
            <source>保存文件夹在根文件夹之外，未保存：%1</source>
            <translation>저장 폴더가 루트 폴더 밖에 있어 저장하지 않았습니다: %1</translation>
        </message>
        <message>
            <source>设置无法保存：%1</source>
            <translation>설정을 저장할 수 없습니다: %1</translation>
        </message>
        <message>
            <source>无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。请检查该文件夹的权限和剩余空间。</source>
            <translation>%1에 설정을 저장할 수 없습니다. 변경 사항(보정 포함)은 당분간 저장되지 않으며 프로그램이 계속 시도합니다. 폴더의 권한과 여유 공간을 확인하십시오.</translation>
        </message>
        <message>
            <source>定时录像已停止：%1</source>
            <translation>예약 녹화가 중지되었습니다: %1</translation>
        </message>
        <message>
            <source>录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。</source>
            <translation>클립이 불완전하여 세지 않았습니다: %1에는 %3프레임 중 %2프레임만 있습니다.</translation>
        </message>
        <message>
            <source>四画面中不能录像，请先切换到单画面。</source>
            <translation>4분할 화면에서는 녹화할 수 없습니다. 먼저 단일 화면으로 전환하십시오.</translation>
        </message>
        <message>
            <source>设置未能保存到 %1，本次的更改已丢失。</source>
            <translation>설정을 %1에 저장하지 못했습니다. 이번 변경 사항은 손실됩니다.</translation>
        </message>
        <message>
            <source>%1 已 %2 秒没有画面</source>
            <translation>%1에서 %2초 동안 화면이 없습니다</translation>
        </message>
        <message>
            <source>录像意外停止，原因不明。</source>
            <translation>녹화가 알 수 없는 이유로 예기치 않게 중지되었습니다.</translation>
        </message>
        <message>
            <source>录像已停止：%1</source>
            <translation>녹화가 중지되었습니다: %1</translation>
        </message>
        <message>
            <source>%1 的大部分画面无法解码</source>
            <translation>%1의 화면 대부분을 디코딩할 수 없습니다</translation>
        </message>
        <message>
            <source>录像继续，以最后的画面补齐</source>
            <translation>녹화는 계속되며 마지막 화면으로 채워집니다</translation>
        </message>
    </context>
    <context>
        <name>VistrelClass</name>
        <message>
            <source>拍照</source>
            <translation>사진</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>녹화</translation>
        </message>
        <message>
            <source>定时拍摄</source>
            <translation>타이머 촬영</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>전체 화면</translation>
        </message>
        <message>
            <source>屏幕切换</source>
            <translation>화면 전환</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>확대/축소</translation>
        </message>
        <message>
            <source>设置</source>
            <translation>설정</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>测量</source>
            <translation>측정</translation>
        </message>
        <message>
            <source>浏览文件</source>
            <translation>파일 탐색</translation>
        </message>
        <message>
            <source>设备:</source>
            <translation>장치:</translation>
        </message>
        <message>
            <source>格式:</source>
            <translation>형식:</translation>
        </message>
        <message>
            <source>分辨率:</source>
            <translation>해상도:</translation>
        </message>
        <message>
            <source>照片:</source>
            <translation>사진:</translation>
        </message>
        <message>
            <source>录像:</source>
            <translation>동영상:</translation>
        </message>
        <message>
            <source>曝光与增益</source>
            <translation>노출 및 게인</translation>
        </message>
        <message>
            <source>颜色调整</source>
            <translation>색상 조정</translation>
        </message>
        <message>
            <source>白平衡</source>
            <translation>화이트 밸런스</translation>
        </message>
        <message>
            <source>翻转</source>
            <translation>반전</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>기본값 복원</translation>
        </message>
        <message>
            <source>高级设置</source>
            <translation>고급 설정</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>파일</translation>
        </message>
        <message>
            <source>选项</source>
            <translation>옵션</translation>
        </message>
        <message>
            <source>时间/日期</source>
            <translation>날짜/시간</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>십자선</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>언어</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>도움말</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>종료</translation>
        </message>
        <message>
            <source>关于</source>
            <translation>정보</translation>
        </message>
        <message>
            <source>定时设置</source>
            <translation>타이머 설정</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>가져오기</translation>
        </message>
        <message>
            <source>分辨率</source>
            <translation>해상도</translation>
        </message>
        <message>
            <source>开</source>
            <translation>켜기</translation>
        </message>
        <message>
            <source>关</source>
            <translation>끄기</translation>
        </message>
        <message>
            <source>相片储存路径</source>
            <translation>사진 저장 폴더</translation>
        </message>
        <message>
            <source>录像储存路径</source>
            <translation>동영상 저장 폴더</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>인쇄</translation>
        </message>
        <message>
            <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
            <translation>먼저 저장할 폴더를 선택하여 여십시오. 오른쪽 위의 "파일 탐색" → "사진" → "image" 또는 "파일 탐색" → "녹화" → "movie"</translation>
        </message>
        <message>
            <source>中文</source>
            <translation>简体中文</translation>
        </message>
        <message>
            <source>英语</source>
            <translation>English</translation>
        </message>
        <message>
            <source>繁体中文</source>
            <translation>繁體中文</translation>
        </message>
        <message>
            <source>法国</source>
            <translation>Français</translation>
        </message>
        <message>
            <source>意大</source>
            <translation>Italiano</translation>
        </message>
        <message>
            <source>日语</source>
            <translation>日本語</translation>
        </message>
        <message>
            <source>韩语</source>
            <translation>한국어</translation>
        </message>
        <message>
            <source>俄语</source>
            <translation>Русский</translation>
        </message>
        <message>
            <source>德语</source>
            <translation>Deutsch</translation>
        </message>
        <message>
            <source>西班牙</source>
            <translation>Español</translation>
        </message>
        <message>
            <source>葡萄牙</source>
            <translation>Português</translation>
        </message>
        <message>
            <source>荷兰</source>
            <translation>Nederlands</translation>
        </message>
        <message>
            <source>波兰</source>
            <translation>Polski</translation>
        </message>
        <message>
            <source>乌克兰</source>
            <translation>Українська</translation>
        </message>
        <message>
            <source>立陶宛</source>
            <translation>Lietuvių</translation>
        </message>
        <message>
            <source>匈牙利</source>
            <translation>Magyar</translation>
        </message>
        <message>
            <source>自动曝光</source>
            <translation>자동 노출</translation>
        </message>
        <message>
            <source>曝光时间</source>
            <translation>노출 시간</translation>
        </message>
        <message>
            <source>增益</source>
            <translation>게인</translation>
        </message>
        <message>
            <source>亮度</source>
            <translation>밝기</translation>
        </message>
        <message>
            <source>对比度</source>
            <translation>대비</translation>
        </message>
        <message>
            <source>饱和度</source>
            <translation>채도</translation>
        </message>
        <message>
            <source>色相</source>
            <translation>색조</translation>
        </message>
        <message>
            <source>伽马值</source>
            <translation>감마</translation>
        </message>
        <message>
            <source>锐度</source>
            <translation>선명도</translation>
        </message>
        <message>
            <source>黑白</source>
            <translation>흑백</translation>
        </message>
        <message>
            <source>自动白平衡</source>
            <translation>자동 화이트 밸런스</translation>
        </message>
        <message>
            <source>色温</source>
            <translation>색온도</translation>
        </message>
        <message>
            <source>红增益</source>
            <translation>빨강 게인</translation>
        </message>
        <message>
            <source>绿增益</source>
            <translation>초록 게인</translation>
        </message>
        <message>
            <source>蓝增益</source>
            <translation>파랑 게인</translation>
        </message>
        <message>
            <source>水平翻转</source>
            <translation>좌우 반전</translation>
        </message>
        <message>
            <source>垂直翻转</source>
            <translation>상하 반전</translation>
        </message>
        <message>
            <source>比例尺</source>
            <translation>축척 막대</translation>
        </message>
        <message>
            <source>摄像头驱动准许的帧率</source>
            <translation>카메라 드라이버가 허용한 프레임 속도</translation>
        </message>
        <message>
            <source>对焦</source>
            <translation>초점</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>예기치 않은 오류가 발생했습니다. 엔지니어에게 문의하십시오.</translation>
        </message>
    </context>
    <context>
        <name>report</name>
        <message>
            <source>测量报告</source>
            <translation>측정 보고서</translation>
        </message>
        <message>
            <source>无</source>
            <translation>없음</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>파일</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>날짜</translation>
        </message>
        <message>
            <source>相机</source>
            <translation>카메라</translation>
        </message>
        <message>
            <source>图片尺寸</source>
            <translation>이미지 크기</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>보정</translation>
        </message>
        <message>
            <source>未标定</source>
            <translation>보정 안 됨</translation>
        </message>
        <message>
            <source>标定系数</source>
            <translation>보정 계수</translation>
        </message>
        <message>
            <source>标定时的图片尺寸</source>
            <translation>보정 시 이미지 크기</translation>
        </message>
        <message>
            <source>标定所用相机</source>
            <translation>보정에 사용한 카메라</translation>
        </message>
        <message>
            <source>测量结果</source>
            <translation>측정 결과</translation>
        </message>
        <message>
            <source>序号</source>
            <translation>번호</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>도구</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>이름</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>값</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>단위</translation>
        </message>
        <message>
            <source>像素值</source>
            <translation>픽셀 값</translation>
        </message>
        <message>
            <source>没有测量</source>
            <translation>측정 없음</translation>
        </message>
        <message>
            <source>续下页</source>
            <translation>다음 페이지에 계속</translation>
        </message>
        <message>
            <source>导出报告…</source>
            <translation>보고서 내보내기…</translation>
        </message>
        <message>
            <source>导出报告</source>
            <translation>보고서 내보내기</translation>
        </message>
        <message>
            <source>PDF 文件 (*.pdf)</source>
            <translation>PDF 파일 (*.pdf)</translation>
        </message>
        <message>
            <source>无法写入报告：%1</source>
            <translation>보고서를 쓸 수 없습니다: %1</translation>
        </message>
    </context>
</TS>
