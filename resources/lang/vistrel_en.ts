<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
    <context>
        <name>AnalysisTools</name>
        <message>
            <source>吸附边缘</source>
            <translation>Snap to edges</translation>
        </message>
        <message>
            <source>拟合圆</source>
            <translation>Fit circle</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Particle analysis</translation>
        </message>
    </context>
    <context>
        <name>BDWidget</name>
        <message>
            <source>测量</source>
            <translation>Measure</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordinates</translation>
        </message>
        <message>
            <source>线条</source>
            <translation>Line</translation>
        </message>
        <message>
            <source>折线</source>
            <translation>Polyline</translation>
        </message>
        <message>
            <source>矩形</source>
            <translation>Rectangle</translation>
        </message>
        <message>
            <source>多边形</source>
            <translation>Polygon</translation>
        </message>
        <message>
            <source>平行线</source>
            <translation>Parallel lines</translation>
        </message>
        <message>
            <source>垂线</source>
            <translation>Perpendicular</translation>
        </message>
        <message>
            <source>网格线</source>
            <translation>Grid lines</translation>
        </message>
        <message>
            <source>角度</source>
            <translation>Angle</translation>
        </message>
        <message>
            <source>圆弧</source>
            <translation>Arc</translation>
        </message>
        <message>
            <source>圆</source>
            <translation>Circle</translation>
        </message>
        <message>
            <source>两点圆</source>
            <translation>Two-point circle</translation>
        </message>
        <message>
            <source>三点圆</source>
            <translation>Three-point circle</translation>
        </message>
        <message>
            <source>重合圆</source>
            <translation>Concentric circles</translation>
        </message>
        <message>
            <source>双圆</source>
            <translation>Two circles</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Text</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Move</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Crosshair</translation>
        </message>
        <message>
            <source>后退一步</source>
            <translation>Undo</translation>
        </message>
        <message>
            <source>前进一步</source>
            <translation>Redo</translation>
        </message>
        <message>
            <source>清除</source>
            <translation>Clear all</translation>
        </message>
        <message>
            <source>测量图标</source>
            <translation>Shapes</translation>
        </message>
        <message>
            <source>颜色</source>
            <translation>Color</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Font</translation>
        </message>
        <message>
            <source>大小</source>
            <translation>Size</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Calibration</translation>
        </message>
        <message>
            <source>标定值</source>
            <translation>Active calibration</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Edit</translation>
        </message>
        <message>
            <source>标定列表</source>
            <translation>Calibration list</translation>
        </message>
        <message>
            <source>备份</source>
            <translation>Back up</translation>
        </message>
        <message>
            <source>恢复</source>
            <translation>Restore</translation>
        </message>
        <message>
            <source>增加一个新的标定</source>
            <translation>New calibration</translation>
        </message>
        <message>
            <source>放大倍数</source>
            <translation>Magnification</translation>
        </message>
        <message>
            <source>实际长度</source>
            <translation>Actual length</translation>
        </message>
        <message>
            <source>新增</source>
            <translation>Add</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>实线</source>
            <translation>Solid</translation>
        </message>
        <message>
            <source>虚线</source>
            <translation>Dashed</translation>
        </message>
        <message>
            <source>是否删除全部</source>
            <translation>Delete all measurements?</translation>
        </message>
        <message>
            <source>标定于 %1 × %2，缩放 ×%3</source>
            <translation>calibrated at %1 × %2, scaled ×%3</translation>
        </message>
        <message>
            <source>无法写入备份文件：%1</source>
            <translation>The backup file could not be written: %1</translation>
        </message>
        <message>
            <source>已跳过 %1 条系数无效的标定</source>
            <translation>%1 calibrations with an invalid factor were skipped.</translation>
        </message>
        <message>
            <source>文件中没有可用的标定，列表未改变</source>
            <translation>The file holds no usable calibration; the list is unchanged.</translation>
        </message>
        <message>
            <source>无法读取该文件或它不是标定备份，列表未改变</source>
            <translation>The file cannot be read or is not a calibration backup; the list is unchanged.</translation>
        </message>
        <message>
            <source>用文件中的 %1 条标定替换当前的 %2 条标定？</source>
            <translation>Replace the %2 current calibrations with the %1 from the file?</translation>
        </message>
        <message>
            <source>结果</source>
            <translation>Results</translation>
        </message>
        <message>
            <source>同时保存 CSV</source>
            <translation>Also save CSV</translation>
        </message>
        <message>
            <source>保存图片时在旁边写入测量结果（CSV）</source>
            <translation>Also write the measurements (CSV) beside the saved picture</translation>
        </message>
        <message>
            <source>标定文件</source>
            <translation>Calibration file</translation>
        </message>
        <message>
            <source>加入列表</source>
            <translation>Add to list</translation>
        </message>
        <message>
            <source>自动识别刻度</source>
            <translation>Find the scale</translation>
        </message>
        <message>
            <source>在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上</source>
            <translation>Finds the scale’s ticks in the picture and lays the ruler from the first tick to the last</translation>
        </message>
        <message>
            <source>每一格的长度</source>
            <translation>Length of one division</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，现在使用“%2”</source>
            <translation>The calibration “%1” is no longer in the list; now using “%2”.</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，测量值以像素显示</source>
            <translation>The calibration “%1” is no longer in the list; measurements are shown in pixels.</translation>
        </message>
        <message>
            <source>未标定 (px)</source>
            <translation>Not calibrated (px)</translation>
        </message>
        <message>
            <source>来自照片</source>
            <translation>from the photo</translation>
        </message>
        <message>
            <source>实际长度“%1”无效：请输入大于 0 的长度，例如 %2</source>
            <translation>The actual length “%1” is not valid: enter a length above 0, e.g. %2</translation>
        </message>
        <message>
            <source>标尺长度为 0：请把标尺的两端拖到已知长度的两端</source>
            <translation>The ruler has no length: drag its ends to the ends of a known length</translation>
        </message>
        <message>
            <source>未找到刻度：请让标尺的刻度清晰、完整地出现在画面中</source>
            <translation>No scale found: bring the scale’s ticks into the picture, sharp and whole</translation>
        </message>
    </context>
    <context>
        <name>CameraHub</name>
        <message>
            <source>USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口</source>
            <translation>USB bandwidth exhausted: use MJPG or a smaller resolution, or another USB port</translation>
        </message>
        <message>
            <source>没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。</source>
            <translation>No permission to open %1. Install the program's udev rule and plug the camera in again, or add your user to the video group (sudo usermod -aG video $USER) and log in again.</translation>
        </message>
        <message>
            <source>显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：
%2
或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。</source>
            <translation>The microscope's snapshot button cannot be used: no permission to read %1. Run this command, then plug the camera in again:
%2
or add your user to the input group (sudo usermod -aG input $USER) and log in again.</translation>
        </message>
    </context>
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
        <name>CameraScene</name>
        <message>
            <source>文字</source>
            <translation>Text</translation>
        </message>
        <message>
            <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
            <translation>No camera detected. Connect the microscope directly to a USB port.</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>设备属性</source>
            <translation>Device settings</translation>
        </message>
        <message>
            <source>设备没有可调整的参数</source>
            <translation>This camera has no adjustable settings.</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Restore defaults</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Close</translation>
        </message>
    </context>
    <context>
        <name>DiskError</name>
        <message>
            <source>磁盘已满：%1（剩余 %2）</source>
            <translation>Disk full: %1 (%2 free)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1</source>
            <translation>The folder is not writable: %1</translation>
        </message>
        <message>
            <source>写入失败：%1（%2）</source>
            <translation>Writing failed: %1 (%2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1（无法在 %2 中创建）</source>
            <translation>The folder is not writable: %1 (cannot be created in %2)</translation>
        </message>
    </context>
    <context>
        <name>FileBrowser</name>
        <message>
            <source>Search</source>
            <translation>Search</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>文件夹名称无效</source>
            <translation>Invalid folder name</translation>
        </message>
        <message>
            <source>新建文件夹</source>
            <translation>New folder</translation>
        </message>
        <message>
            <source>返回上一级</source>
            <translation>Up one level</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>排序</source>
            <translation>Sort</translation>
        </message>
        <message>
            <source>此链接指向根文件夹之外，不会打开：%1</source>
            <translation>This link leads outside the root folder and is not opened: %1</translation>
        </message>
    </context>
    <context>
        <name>FileOperations</name>
        <message>
            <source>%1 个文件</source>
            <translation>%1 file(s)</translation>
        </message>
        <message>
            <source>%1 个文件夹（共 %2 项）</source>
            <translation>%1 folder(s) with %2 item(s)</translation>
        </message>
        <message>
            <source>%1 个文件和 %2 个文件夹（共 %3 项）</source>
            <translation>%1 file(s) and %2 folder(s) with %3 item(s)</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Open</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Copy</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>全部删除</source>
            <translation>Delete all</translation>
        </message>
        <message>
            <source>重命名</source>
            <translation>Rename</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Save as</translation>
        </message>
        <message>
            <source>全部另存为</source>
            <translation>Save all as</translation>
        </message>
        <message>
            <source>复制文件...</source>
            <translation>Copying files...</translation>
        </message>
        <message>
            <source>已复制 %1 个文件，跳过 %2 个同名文件。</source>
            <translation>Files copied: %1. Skipped because the name already exists: %2.</translation>
        </message>
        <message>
            <source>不支持的文件类型：%1</source>
            <translation>Unsupported file type: %1</translation>
        </message>
        <message>
            <source>复制失败：%1</source>
            <translation>Copy failed: %1</translation>
        </message>
        <message>
            <source>是否将 %1 移到回收站？</source>
            <translation>Move %1 to the trash?</translation>
        </message>
        <message>
            <source>以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2
是否永久删除？此操作无法撤销。</source>
            <translation>%1 item(s) cannot be moved to the trash (no trash is available there, for example on another drive): %2
Delete them for good? This cannot be undone.</translation>
        </message>
        <message>
            <source>无法删除：%1</source>
            <translation>Could not delete: %1</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>新名称</source>
            <translation>New name:</translation>
        </message>
        <message>
            <source>名称无效</source>
            <translation>Invalid name</translation>
        </message>
        <message>
            <source>文件已存在：%1</source>
            <translation>File already exists: %1</translation>
        </message>
        <message>
            <source>不能将文件复制到其自身：%1</source>
            <translation>A file cannot be copied onto itself: %1</translation>
        </message>
        <message>
            <source>不能将文件夹复制到其自身之中：%1</source>
            <translation>A folder cannot be copied into itself: %1</translation>
        </message>
        <message>
            <source>文件已存在：%1
是否替换？</source>
            <translation>File already exists: %1
Replace it?</translation>
        </message>
        <message>
            <source>%1 个文件已在目标文件夹中，未复制。</source>
            <translation>Already in the target folder, not copied: %1 file(s).</translation>
        </message>
        <message>
            <source>没有可以打开此文件的程序：%1</source>
            <translation>No program is set to open this file: %1</translation>
        </message>
        <message>
            <source>照片和视频</source>
            <translation>Photos and videos</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Photos</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>All files</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Import</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>不在根文件夹内，未删除：%1</source>
            <translation>Outside the root folder, not deleted: %1</translation>
        </message>
        <message>
            <source>不在根文件夹内，未重命名：%1</source>
            <translation>Outside the root folder, not renamed: %1</translation>
        </message>
        <message>
            <source>无法读取：%1（%2）</source>
            <translation>Cannot read %1 (%2)</translation>
        </message>
        <message>
            <source>修复录像</source>
            <translation>Repair recording</translation>
        </message>
        <message>
            <source>正在修复录像：%1</source>
            <translation>Repairing recording: %1</translation>
        </message>
        <message>
            <source>图片过大，未导入：%1</source>
            <translation>Pictures too large, not imported: %1</translation>
        </message>
        <message>
            <source>无法将 %1 重命名为 %2</source>
            <translation>Cannot rename %1 to %2</translation>
        </message>
    </context>
    <context>
        <name>FlatFieldControl</name>
        <message>
            <source>平场太暗：请打开照明，对准空白视野</source>
            <translation>The flat field is too dark: turn the light on and point at an empty field</translation>
        </message>
        <message>
            <source>平场过曝：请降低曝光或亮度</source>
            <translation>The flat field is overexposed: lower the exposure or brightness</translation>
        </message>
        <message>
            <source>请先采集平场</source>
            <translation>Capture a flat field first</translation>
        </message>
        <message>
            <source>采集失败：相机没有送来画面</source>
            <translation>Capture failed: the camera sent no picture</translation>
        </message>
        <message>
            <source>平场校正</source>
            <translation>Flat-field correction</translation>
        </message>
        <message>
            <source>采集平场</source>
            <translation>Capture flat field</translation>
        </message>
        <message>
            <source>采集暗场</source>
            <translation>Capture dark frame</translation>
        </message>
        <message>
            <source>对准空白、均匀照明的视野后采集</source>
            <translation>Point at an empty, evenly lit field, then capture</translation>
        </message>
        <message>
            <source>关闭照明或盖上镜头后采集</source>
            <translation>Turn the light off or cover the lens, then capture</translation>
        </message>
        <message>
            <source>正在采集…</source>
            <translation>Capturing…</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>The device has not been started.</translation>
        </message>
        <message>
            <source>此分辨率尚未采集平场</source>
            <translation>No flat field captured at this resolution</translation>
        </message>
        <message>
            <source>平场：%1%2</source>
            <translation>Flat field: %1%2</translation>
        </message>
        <message>
            <source>，含暗场</source>
            <translation>, with dark frame</translation>
        </message>
        <message>
            <source>采集失败：分辨率已改变</source>
            <translation>Capture failed: the resolution changed</translation>
        </message>
        <message>
            <source>无法保存平场图片，校正只在本次运行有效</source>
            <translation>The flat-field pictures could not be saved; the correction lasts until the program closes</translation>
        </message>
    </context>
    <context>
        <name>FocusStackPanel</name>
        <message>
            <source>景深合成</source>
            <translation>Focus stack</translation>
        </message>
        <message>
            <source>转动调焦旋钮，让物体各处依次清晰，然后再按一次“景深合成”。</source>
            <translation>Turn the focus knob until every part of the object has been sharp, then press Focus stack again.</translation>
        </message>
        <message>
            <source>保存深度图</source>
            <translation>Save depth map</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>Finish</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>FocusStacker</name>
        <message>
            <source>景深合成</source>
            <translation>Focus stack</translation>
        </message>
        <message>
            <source>已合成 %1 帧（已查看 %2 帧）</source>
            <translation>%1 frames fused (%2 looked at)</translation>
        </message>
        <message>
            <source>没有可合成的帧</source>
            <translation>No frames to fuse</translation>
        </message>
        <message>
            <source>正在合成...</source>
            <translation>Fusing...</translation>
        </message>
        <message>
            <source>正在进行景深合成。</source>
            <translation>A focus stack is in progress.</translation>
        </message>
        <message>
            <source>请选择至少两张照片。</source>
            <translation>Select at least two photos.</translation>
        </message>
        <message>
            <source>无法读取：%1</source>
            <translation>Cannot read: %1</translation>
        </message>
        <message>
            <source>无法对齐：%1</source>
            <translation>Cannot be aligned: %1</translation>
        </message>
        <message>
            <source>已保存：%1</source>
            <translation>Saved: %1</translation>
        </message>
        <message>
            <source>景深合成失败：%1</source>
            <translation>Focus stack failed: %1</translation>
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
        <message>
            <source>关于 Qt</source>
            <translation>About Qt</translation>
        </message>
        <message>
            <source>本程序使用以下开源库：</source>
            <translation>This program uses the following open-source libraries:</translation>
        </message>
    </context>
    <context>
        <name>MeasureEditer</name>
        <message>
            <source>Scale</source>
            <translation>Fit</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordinates</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Save failed</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Save as</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Print</translation>
        </message>
        <message>
            <source>标注文件已损坏，已忽略</source>
            <translation>The annotations file is damaged and was ignored</translation>
        </message>
        <message>
            <source>已采用照片中的标定：%1</source>
            <translation>Using the calibration stored in the photo: %1</translation>
        </message>
        <message>
            <source>不能覆盖正在编辑的原图，请换一个文件名。</source>
            <translation>The original picture being edited cannot be overwritten; please choose another file name.</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Photos</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Failed to open the file.</translation>
        </message>
        <message>
            <source>%1 中的测量尚未保存。是否保存？</source>
            <translation>The measurements in %1 are not saved. Save them?</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>File</translation>
        </message>
        <message>
            <source>正在读取测量形状：%1</source>
            <translation>Reading the measurement shapes: %1</translation>
        </message>
        <message>
            <source>测量形状文件过大（%1，上限 %2），未读取：%3</source>
            <translation>Shapes file too large (%1, the limit is %2), not read: %3</translation>
        </message>
    </context>
    <context>
        <name>MeasurementTable</name>
        <message>
            <source>编号</source>
            <translation>No.</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Tool</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Value</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Unit</translation>
        </message>
        <message>
            <source>像素</source>
            <translation>Pixels</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Calibration</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Save failed</translation>
        </message>
        <message>
            <source>导出测量结果…</source>
            <translation>Export measurements…</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Copy</translation>
        </message>
        <message>
            <source>CSV 表格</source>
            <translation>CSV table</translation>
        </message>
        <message>
            <source>在窗口中显示结果</source>
            <translation>Show results in a window</translation>
        </message>
        <message>
            <source>面积</source>
            <translation>Area</translation>
        </message>
        <message>
            <source>周长</source>
            <translation>Perimeter</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Equivalent diameter</translation>
        </message>
        <message>
            <source>最大费雷特径</source>
            <translation>Max. Feret diameter</translation>
        </message>
        <message>
            <source>最小费雷特径</source>
            <translation>Min. Feret diameter</translation>
        </message>
        <message>
            <source>圆度</source>
            <translation>Circularity</translation>
        </message>
        <message>
            <source>平均灰度</source>
            <translation>Mean grey</translation>
        </message>
        <message>
            <source>数量</source>
            <translation>Count</translation>
        </message>
        <message>
            <source>平均值</source>
            <translation>Mean</translation>
        </message>
        <message>
            <source>标准差</source>
            <translation>Standard deviation</translation>
        </message>
    </context>
    <context>
        <name>MosaicBuilder</name>
        <message>
            <source>拼图</source>
            <translation>Mosaic</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>移动载物台以拼图；再按一次完成。</source>
            <translation>Move the stage to build the mosaic; press again to finish.</translation>
        </message>
        <message>
            <source>已添加第 %1 幅</source>
            <translation>Field %1 added</translation>
        </message>
        <message>
            <source>已回到拍过的区域：拼接已细化。</source>
            <translation>Back over covered ground: placement refined.</translation>
        </message>
        <message>
            <source>画面模糊（移动太快），未添加。</source>
            <translation>Picture blurred (moving too fast); not added.</translation>
        </message>
        <message>
            <source>无法定位此画面（重叠太少），未添加。</source>
            <translation>This view cannot be placed (too little overlap); not added.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存；未添加。</source>
            <translation>The mosaic would need %1 MB, more than memory allows; not added.</translation>
        </message>
        <message>
            <source>正在拼接…</source>
            <translation>Stitching…</translation>
        </message>
        <message>
            <source>至少需要两幅视野。</source>
            <translation>At least two fields are needed.</translation>
        </message>
        <message>
            <source>拼图已保存：%1</source>
            <translation>Mosaic saved: %1</translation>
        </message>
        <message>
            <source>无法放置：%1</source>
            <translation>Cannot be placed: %1</translation>
        </message>
        <message>
            <source>拼接已取消。</source>
            <translation>Stitching cancelled.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存。</source>
            <translation>The mosaic would need %1 MB, more than memory allows.</translation>
        </message>
        <message>
            <source>拼图未保存：%1</source>
            <translation>Mosaic not saved: %1</translation>
        </message>
        <message>
            <source>拼接</source>
            <translation>Stitch</translation>
        </message>
    </context>
    <context>
        <name>Notifier</name>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>是</source>
            <translation>Yes</translation>
        </message>
        <message>
            <source>否</source>
            <translation>No</translation>
        </message>
        <message>
            <source>全部是</source>
            <translation>Yes to all</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>Don't Save</translation>
        </message>
    </context>
    <context>
        <name>ParticlePanel</name>
        <message>
            <source>分析中…</source>
            <translation>Analyzing…</translation>
        </message>
        <message>
            <source>%1 个颗粒</source>
            <translation>%1 particles</translation>
        </message>
        <message>
            <source>直方图</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Equivalent diameter</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Particle analysis</translation>
        </message>
        <message>
            <source>暗物体，亮背景</source>
            <translation>Dark objects on light</translation>
        </message>
        <message>
            <source>亮物体，暗背景</source>
            <translation>Light objects on dark</translation>
        </message>
        <message>
            <source>自动阈值 (Otsu)</source>
            <translation>Automatic threshold (Otsu)</translation>
        </message>
        <message>
            <source>填充孔洞</source>
            <translation>Fill holes</translation>
        </message>
        <message>
            <source>最小面积 (像素)</source>
            <translation>Minimum area (pixels)</translation>
        </message>
        <message>
            <source>排除接触边缘的颗粒</source>
            <translation>Exclude particles touching the edge</translation>
        </message>
        <message>
            <source>分析</source>
            <translation>Analyze</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>录像 %1 没有正常结束，无法修复，已原样保留。</source>
            <translation>The recording %1 did not end properly and could not be repaired; it was kept as it is.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，已修复，时长 %2 秒。</source>
            <translation>The recording %1 did not end properly and has been repaired; it holds %2 seconds.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。请释放空间，下次启动时会再次修复。</source>
            <translation>The recording %1 did not end properly. Its repair needs %2 of free space; the disk has only %3. Free some space: the next start repairs it again.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。</source>
            <translation>The recording %1 did not end properly; its repair could not be written, and it was kept as it was. The next start tries again.</translation>
        </message>
        <message>
            <source>录像 %1 的修复已取消，文件原样保留，可以再次修复。</source>
            <translation>The repair of recording %1 was cancelled; the file was kept as it was and can be repaired again.</translation>
        </message>
    </context>
    <context>
        <name>Reticle</name>
        <message>
            <source>网格 %1</source>
            <translation>Grid %1</translation>
        </message>
        <message>
            <source>同心圆 %1</source>
            <translation>Circles %1</translation>
        </message>
        <message>
            <source>网格/同心圆 %1</source>
            <translation>Grid/circles %1</translation>
        </message>
    </context>
    <context>
        <name>ReticleMenu</name>
        <message>
            <source>关闭</source>
            <translation>Off</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Grid</translation>
        </message>
        <message>
            <source>同心圆</source>
            <translation>Concentric circles</translation>
        </message>
        <message>
            <source>网格和同心圆</source>
            <translation>Grid and circles</translation>
        </message>
        <message>
            <source>标线</source>
            <translation>Reticle</translation>
        </message>
        <message>
            <source>没有标定，无法显示标线</source>
            <translation>No calibration: no reticle can be shown</translation>
        </message>
    </context>
    <context>
        <name>ScaleBarMenu</name>
        <message>
            <source>左上</source>
            <translation>Top left</translation>
        </message>
        <message>
            <source>右上</source>
            <translation>Top right</translation>
        </message>
        <message>
            <source>左下</source>
            <translation>Bottom left</translation>
        </message>
        <message>
            <source>右下</source>
            <translation>Bottom right</translation>
        </message>
        <message>
            <source>位置</source>
            <translation>Position</translation>
        </message>
        <message>
            <source>没有标定，无法显示比例尺</source>
            <translation>No calibration: no scale bar</translation>
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
        <message>
            <source>立即开始</source>
            <translation>Start now</translation>
        </message>
    </context>
    <context>
        <name>Shortcuts</name>
        <message>
            <source>撤销上一步</source>
            <translation>Undo the last step</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Redo</translation>
        </message>
        <message>
            <source>删除选中的图形</source>
            <translation>Delete the selected shape</translation>
        </message>
        <message>
            <source>取消正在绘制的图形；否则退出全屏</source>
            <translation>Cancel the shape being drawn; otherwise leave full screen</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Take a photo</translation>
        </message>
        <message>
            <source>开始或停止录像</source>
            <translation>Start or stop recording</translation>
        </message>
        <message>
            <source>滚轮</source>
            <translation>Wheel</translation>
        </message>
        <message>
            <source>以鼠标指针为中心缩放</source>
            <translation>Zoom around the mouse pointer</translation>
        </message>
        <message>
            <source>键盘快捷键</source>
            <translation>Keyboard shortcuts</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Undo</translation>
        </message>
    </context>
    <context>
        <name>Vistrel</name>
        <message>
            <source>Scale</source>
            <translation>Fit</translation>
        </message>
        <message>
            <source>启动设备失败</source>
            <translation>Failed to start the device.</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>The device has not been started.</translation>
        </message>
        <message>
            <source>停止录像</source>
            <translation>Stop recording</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Video</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Failed to open the file.</translation>
        </message>
        <message>
            <source>按ESC退出全屏</source>
            <translation>Press Esc to exit full screen</translation>
        </message>
        <message>
            <source>Save Image</source>
            <translation>Image saved</translation>
        </message>
        <message>
            <source>帧率</source>
            <translation>Frame rate</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordinates</translation>
        </message>
        <message>
            <source>定时拍照已停止。</source>
            <translation>The timed photo series has stopped.</translation>
        </message>
        <message>
            <source>定时拍照已停止：%1</source>
            <translation>The timed photo series has stopped: %1</translation>
        </message>
        <message>
            <source>照片未保存：%1</source>
            <translation>The photo was not saved: %1</translation>
        </message>
        <message>
            <source>下次拍摄：%1 秒后（%2/%3）</source>
            <translation>Next shot in %1 s (%2/%3)</translation>
        </message>
        <message>
            <source>正在录像。停止录像并退出吗？</source>
            <translation>A recording is running. Stop it and quit?</translation>
        </message>
        <message>
            <source>相机“%1”已断开。</source>
            <translation>Camera "%1" was disconnected.</translation>
        </message>
        <message>
            <source>录像已保存：%1</source>
            <translation>The recording was saved: %1</translation>
        </message>
        <message>
            <source>在大视图中显示</source>
            <translation>Show in large view</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Photo</translation>
        </message>
        <message>
            <source>关闭相机</source>
            <translation>Close camera</translation>
        </message>
        <message>
            <source>从文件打开图片…</source>
            <translation>Picture from file…</translation>
        </message>
        <message>
            <source>正在录像。切换到四画面需要停止录像，是否停止？</source>
            <translation>A recording is running. The four-tile view needs it stopped. Stop the recording?</translation>
        </message>
        <message>
            <source>录像时不能更改；请先停止录像。</source>
            <translation>Cannot be changed while recording; stop the recording first.</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Full screen</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Edit</translation>
        </message>
        <message>
            <source>程序已在运行（使用同一配置），已将其窗口置于最前。
是否以只读方式再打开一个窗口？只读窗口不保存任何设置。</source>
            <translation>The program is already running with the same settings; its window was brought to the front.
Open another window read-only? A read-only window saves no settings.</translation>
        </message>
        <message>
            <source>保存文件夹在根文件夹之外，未保存：%1</source>
            <translation>The save folder lies outside the root folder; nothing was saved: %1</translation>
        </message>
        <message>
            <source>设置无法保存：%1</source>
            <translation>Settings cannot be saved: %1</translation>
        </message>
        <message>
            <source>无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。请检查该文件夹的权限和剩余空间。</source>
            <translation>Settings cannot be saved in %1. Changes (calibrations included) are not saved for now; the program keeps trying. Check the folder's permissions and free space.</translation>
        </message>
        <message>
            <source>定时录像已停止：%1</source>
            <translation>Timed recording stopped: %1</translation>
        </message>
        <message>
            <source>录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。</source>
            <translation>Clip incomplete, not counted: %1 has only %2 of %3 frames.</translation>
        </message>
        <message>
            <source>四画面中不能录像，请先切换到单画面。</source>
            <translation>Recording is not possible in the four-tile view; switch to the single view first.</translation>
        </message>
        <message>
            <source>设置未能保存到 %1，本次的更改已丢失。</source>
            <translation>The settings could not be saved to %1; this session's changes are lost.</translation>
        </message>
        <message>
            <source>%1 已 %2 秒没有画面</source>
            <translation>No picture from %1 for %2 s</translation>
        </message>
        <message>
            <source>录像意外停止，原因不明。</source>
            <translation>The recording stopped unexpectedly, for an unknown reason.</translation>
        </message>
        <message>
            <source>录像已停止：%1</source>
            <translation>The recording stopped: %1</translation>
        </message>
        <message>
            <source>%1 的大部分画面无法解码</source>
            <translation>Most pictures from %1 cannot be decoded</translation>
        </message>
        <message>
            <source>录像继续，以最后的画面补齐</source>
            <translation>Recording goes on, filled with the last picture</translation>
        </message>
    </context>
    <context>
        <name>VistrelClass</name>
        <message>
            <source>拍照</source>
            <translation>Photo</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Video</translation>
        </message>
        <message>
            <source>定时拍摄</source>
            <translation>Timed capture</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Full screen</translation>
        </message>
        <message>
            <source>屏幕切换</source>
            <translation>Switch view</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Zoom</translation>
        </message>
        <message>
            <source>设置</source>
            <translation>Settings</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>测量</source>
            <translation>Measure</translation>
        </message>
        <message>
            <source>浏览文件</source>
            <translation>Browse files</translation>
        </message>
        <message>
            <source>设备:</source>
            <translation>Device:</translation>
        </message>
        <message>
            <source>格式:</source>
            <translation>Format:</translation>
        </message>
        <message>
            <source>分辨率:</source>
            <translation>Resolution:</translation>
        </message>
        <message>
            <source>照片:</source>
            <translation>Photo:</translation>
        </message>
        <message>
            <source>录像:</source>
            <translation>Video:</translation>
        </message>
        <message>
            <source>曝光与增益</source>
            <translation>Exposure and gain</translation>
        </message>
        <message>
            <source>颜色调整</source>
            <translation>Color adjustment</translation>
        </message>
        <message>
            <source>白平衡</source>
            <translation>White balance</translation>
        </message>
        <message>
            <source>翻转</source>
            <translation>Flip</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Restore defaults</translation>
        </message>
        <message>
            <source>高级设置</source>
            <translation>Advanced settings</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>File</translation>
        </message>
        <message>
            <source>选项</source>
            <translation>Options</translation>
        </message>
        <message>
            <source>时间/日期</source>
            <translation>Date/time</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Crosshair</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Language</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Exit</translation>
        </message>
        <message>
            <source>关于</source>
            <translation>About</translation>
        </message>
        <message>
            <source>定时设置</source>
            <translation>Timer settings</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Import</translation>
        </message>
        <message>
            <source>分辨率</source>
            <translation>Resolution</translation>
        </message>
        <message>
            <source>开</source>
            <translation>On</translation>
        </message>
        <message>
            <source>关</source>
            <translation>Off</translation>
        </message>
        <message>
            <source>相片储存路径</source>
            <translation>Photo folder</translation>
        </message>
        <message>
            <source>录像储存路径</source>
            <translation>Video folder</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Print</translation>
        </message>
        <message>
            <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
            <translation>Please select and open the folder to save into first: at the top right, “Browse files” → “Photo” → “image”, or “Browse files” → “Video” → “movie”.</translation>
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
            <translation>Auto exposure</translation>
        </message>
        <message>
            <source>曝光时间</source>
            <translation>Exposure time</translation>
        </message>
        <message>
            <source>增益</source>
            <translation>Gain</translation>
        </message>
        <message>
            <source>亮度</source>
            <translation>Brightness</translation>
        </message>
        <message>
            <source>对比度</source>
            <translation>Contrast</translation>
        </message>
        <message>
            <source>饱和度</source>
            <translation>Saturation</translation>
        </message>
        <message>
            <source>色相</source>
            <translation>Hue</translation>
        </message>
        <message>
            <source>伽马值</source>
            <translation>Gamma</translation>
        </message>
        <message>
            <source>锐度</source>
            <translation>Sharpness</translation>
        </message>
        <message>
            <source>黑白</source>
            <translation>Monochrome</translation>
        </message>
        <message>
            <source>自动白平衡</source>
            <translation>Auto white balance</translation>
        </message>
        <message>
            <source>色温</source>
            <translation>Color temperature</translation>
        </message>
        <message>
            <source>红增益</source>
            <translation>Red gain</translation>
        </message>
        <message>
            <source>绿增益</source>
            <translation>Green gain</translation>
        </message>
        <message>
            <source>蓝增益</source>
            <translation>Blue gain</translation>
        </message>
        <message>
            <source>水平翻转</source>
            <translation>Flip horizontal</translation>
        </message>
        <message>
            <source>垂直翻转</source>
            <translation>Flip vertical</translation>
        </message>
        <message>
            <source>比例尺</source>
            <translation>Scale bar</translation>
        </message>
        <message>
            <source>摄像头驱动准许的帧率</source>
            <translation>Frame rate granted by the camera driver</translation>
        </message>
        <message>
            <source>对焦</source>
            <translation>Focus</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>An unexpected error occurred. Please contact a service engineer.</translation>
        </message>
    </context>
    <context>
        <name>report</name>
        <message>
            <source>测量报告</source>
            <translation>Measurement report</translation>
        </message>
        <message>
            <source>无</source>
            <translation>None</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>File</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>相机</source>
            <translation>Camera</translation>
        </message>
        <message>
            <source>图片尺寸</source>
            <translation>Picture size</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Calibration</translation>
        </message>
        <message>
            <source>未标定</source>
            <translation>Not calibrated</translation>
        </message>
        <message>
            <source>标定系数</source>
            <translation>Calibration factor</translation>
        </message>
        <message>
            <source>标定时的图片尺寸</source>
            <translation>Picture size at calibration</translation>
        </message>
        <message>
            <source>标定所用相机</source>
            <translation>Camera at calibration</translation>
        </message>
        <message>
            <source>测量结果</source>
            <translation>Results</translation>
        </message>
        <message>
            <source>序号</source>
            <translation>No.</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Tool</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Value</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Unit</translation>
        </message>
        <message>
            <source>像素值</source>
            <translation>Pixels</translation>
        </message>
        <message>
            <source>没有测量</source>
            <translation>No measurements</translation>
        </message>
        <message>
            <source>续下页</source>
            <translation>Continued on next page</translation>
        </message>
        <message>
            <source>导出报告…</source>
            <translation>Export report…</translation>
        </message>
        <message>
            <source>导出报告</source>
            <translation>Export report</translation>
        </message>
        <message>
            <source>PDF 文件 (*.pdf)</source>
            <translation>PDF files (*.pdf)</translation>
        </message>
        <message>
            <source>无法写入报告：%1</source>
            <translation>The report could not be written: %1</translation>
        </message>
    </context>
</TS>
