<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="zh_CN">
    <context>
        <name>AnalysisTools</name>
        <message>
            <source>吸附边缘</source>
            <translation>Прив'язка до країв</translation>
        </message>
        <message>
            <source>拟合圆</source>
            <translation>Вписати коло</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Аналіз частинок</translation>
        </message>
    </context>
    <context>
        <name>BDWidget</name>
        <message>
            <source>测量</source>
            <translation>Вимірювання</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Координати</translation>
        </message>
        <message>
            <source>线条</source>
            <translation>Лінія</translation>
        </message>
        <message>
            <source>折线</source>
            <translation>Ламана</translation>
        </message>
        <message>
            <source>矩形</source>
            <translation>Прямокутник</translation>
        </message>
        <message>
            <source>多边形</source>
            <translation>Багатокутник</translation>
        </message>
        <message>
            <source>平行线</source>
            <translation>Паралельні лінії</translation>
        </message>
        <message>
            <source>垂线</source>
            <translation>Перпендикуляр</translation>
        </message>
        <message>
            <source>网格线</source>
            <translation>Сітка</translation>
        </message>
        <message>
            <source>角度</source>
            <translation>Кут</translation>
        </message>
        <message>
            <source>圆弧</source>
            <translation>Дуга</translation>
        </message>
        <message>
            <source>圆</source>
            <translation>Коло</translation>
        </message>
        <message>
            <source>两点圆</source>
            <translation>Коло за 2 точками</translation>
        </message>
        <message>
            <source>三点圆</source>
            <translation>Коло за 3 точками</translation>
        </message>
        <message>
            <source>重合圆</source>
            <translation>Концентричні кола</translation>
        </message>
        <message>
            <source>双圆</source>
            <translation>Два кола</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Текст</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Перемістити</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Видалити</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Перехрестя</translation>
        </message>
        <message>
            <source>后退一步</source>
            <translation>Скасувати</translation>
        </message>
        <message>
            <source>前进一步</source>
            <translation>Повторити</translation>
        </message>
        <message>
            <source>清除</source>
            <translation>Очистити</translation>
        </message>
        <message>
            <source>测量图标</source>
            <translation>Фігури</translation>
        </message>
        <message>
            <source>颜色</source>
            <translation>Колір</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Шрифт</translation>
        </message>
        <message>
            <source>大小</source>
            <translation>Розмір</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Калібрування</translation>
        </message>
        <message>
            <source>标定值</source>
            <translation>Поточне калібрування</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Змінити</translation>
        </message>
        <message>
            <source>标定列表</source>
            <translation>Список калібрувань</translation>
        </message>
        <message>
            <source>备份</source>
            <translation>Копія</translation>
        </message>
        <message>
            <source>恢复</source>
            <translation>Відновити</translation>
        </message>
        <message>
            <source>增加一个新的标定</source>
            <translation>Нове калібрування</translation>
        </message>
        <message>
            <source>放大倍数</source>
            <translation>Збільшення</translation>
        </message>
        <message>
            <source>实际长度</source>
            <translation>Реальна довжина</translation>
        </message>
        <message>
            <source>新增</source>
            <translation>Додати</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>实线</source>
            <translation>Суцільна</translation>
        </message>
        <message>
            <source>虚线</source>
            <translation>Пунктирна</translation>
        </message>
        <message>
            <source>是否删除全部</source>
            <translation>Видалити всі вимірювання?</translation>
        </message>
        <message>
            <source>标定于 %1 × %2，缩放 ×%3</source>
            <translation>відкалібровано при %1 × %2, масштаб ×%3</translation>
        </message>
        <message>
            <source>无法写入备份文件：%1</source>
            <translation>Не вдалося записати файл резервної копії: %1</translation>
        </message>
        <message>
            <source>已跳过 %1 条系数无效的标定</source>
            <translation>Пропущено калібрувань із неприпустимим коефіцієнтом: %1.</translation>
        </message>
        <message>
            <source>文件中没有可用的标定，列表未改变</source>
            <translation>У файлі немає придатних калібрувань; список не змінено.</translation>
        </message>
        <message>
            <source>无法读取该文件或它不是标定备份，列表未改变</source>
            <translation>Файл не читається або не є резервною копією калібрувань; список не змінено.</translation>
        </message>
        <message>
            <source>用文件中的 %1 条标定替换当前的 %2 条标定？</source>
            <translation>Замінити поточні калібрування (%2) калібруваннями з файлу (%1)?</translation>
        </message>
        <message>
            <source>结果</source>
            <translation>Результати</translation>
        </message>
        <message>
            <source>同时保存 CSV</source>
            <translation>Зберігати й CSV</translation>
        </message>
        <message>
            <source>保存图片时在旁边写入测量结果（CSV）</source>
            <translation>Також записувати вимірювання (CSV) поруч зі збереженим зображенням</translation>
        </message>
        <message>
            <source>标定文件</source>
            <translation>Файл калібрування</translation>
        </message>
        <message>
            <source>加入列表</source>
            <translation>Додати до списку</translation>
        </message>
        <message>
            <source>自动识别刻度</source>
            <translation>Знайти шкалу</translation>
        </message>
        <message>
            <source>在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上</source>
            <translation>Знаходить поділки шкали на зображенні й кладе лінійку від першої до останньої</translation>
        </message>
        <message>
            <source>每一格的长度</source>
            <translation>Довжина однієї поділки</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，现在使用“%2”</source>
            <translation>Калібрування «%1» більше немає у списку; використовується «%2».</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，测量值以像素显示</source>
            <translation>Калібрування «%1» більше немає у списку; виміри показано в пікселях.</translation>
        </message>
        <message>
            <source>未标定 (px)</source>
            <translation>Без калібрування (px)</translation>
        </message>
        <message>
            <source>来自照片</source>
            <translation>з фотографії</translation>
        </message>
        <message>
            <source>实际长度“%1”无效：请输入大于 0 的长度，例如 %2</source>
            <translation>Реальна довжина «%1» недійсна: введіть довжину більше 0, наприклад %2</translation>
        </message>
        <message>
            <source>标尺长度为 0：请把标尺的两端拖到已知长度的两端</source>
            <translation>Лінійка не має довжини: перетягніть її кінці до кінців відомого відрізка</translation>
        </message>
        <message>
            <source>未找到刻度：请让标尺的刻度清晰、完整地出现在画面中</source>
            <translation>Шкалу не знайдено: помістіть поділки шкали в кадр повністю й чітко</translation>
        </message>
    </context>
    <context>
        <name>CameraHub</name>
        <message>
            <source>USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口</source>
            <translation>Бракує пропускної здатності USB: використовуйте MJPG або меншу роздільну здатність чи інший USB-порт</translation>
        </message>
        <message>
            <source>没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。</source>
            <translation>Немає дозволу відкрити %1. Встановіть правило udev програми й перепідключіть камеру або додайте користувача до групи video (sudo usermod -aG video $USER) і увійдіть знову.</translation>
        </message>
        <message>
            <source>显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：
%2
或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。</source>
            <translation>Кнопка знімання на мікроскопі не працює: немає прав на читання %1. Виконайте цю команду й знову під'єднайте камеру:
%2
або додайте користувача до групи input (sudo usermod -aG input $USER) і увійдіть знову.</translation>
        </message>
    </context>
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>Розморозити</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>Заморозити</translation>
        </message>
    </context>
    <context>
        <name>CameraScene</name>
        <message>
            <source>文字</source>
            <translation>Текст</translation>
        </message>
        <message>
            <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
            <translation>Камеру не виявлено. Підключіть мікроскоп безпосередньо до USB-порту.</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>设备属性</source>
            <translation>Налаштування пристрою</translation>
        </message>
        <message>
            <source>设备没有可调整的参数</source>
            <translation>Ця камера не має налаштовуваних параметрів.</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Скинути налаштування</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Закрити</translation>
        </message>
    </context>
    <context>
        <name>DiskError</name>
        <message>
            <source>磁盘已满：%1（剩余 %2）</source>
            <translation>Диск заповнений: %1 (вільно %2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1</source>
            <translation>Папка недоступна для запису: %1</translation>
        </message>
        <message>
            <source>写入失败：%1（%2）</source>
            <translation>Помилка запису: %1 (%2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1（无法在 %2 中创建）</source>
            <translation>Папка недоступна для запису: %1 (не вдається створити в %2)</translation>
        </message>
    </context>
    <context>
        <name>FileBrowser</name>
        <message>
            <source>Search</source>
            <translation>Пошук</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Назва</translation>
        </message>
        <message>
            <source>文件夹名称无效</source>
            <translation>Неприпустима назва теки</translation>
        </message>
        <message>
            <source>新建文件夹</source>
            <translation>Нова тека</translation>
        </message>
        <message>
            <source>返回上一级</source>
            <translation>На рівень вище</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Дата</translation>
        </message>
        <message>
            <source>排序</source>
            <translation>Сортування</translation>
        </message>
        <message>
            <source>此链接指向根文件夹之外，不会打开：%1</source>
            <translation>Це посилання веде за межі кореневої теки й не відкривається: %1</translation>
        </message>
    </context>
    <context>
        <name>FileOperations</name>
        <message>
            <source>%1 个文件</source>
            <translation>файлів: %1</translation>
        </message>
        <message>
            <source>%1 个文件夹（共 %2 项）</source>
            <translation>папок: %1, у них елементів: %2</translation>
        </message>
        <message>
            <source>%1 个文件和 %2 个文件夹（共 %3 项）</source>
            <translation>файлів: %1, папок: %2, у них елементів: %3</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Відкрити</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Копіювати</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Видалити</translation>
        </message>
        <message>
            <source>全部删除</source>
            <translation>Видалити все</translation>
        </message>
        <message>
            <source>重命名</source>
            <translation>Перейменувати</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Зберегти як</translation>
        </message>
        <message>
            <source>全部另存为</source>
            <translation>Зберегти все як</translation>
        </message>
        <message>
            <source>复制文件...</source>
            <translation>Копіювання файлів...</translation>
        </message>
        <message>
            <source>已复制 %1 个文件，跳过 %2 个同名文件。</source>
            <translation>Скопійовано файлів: %1. Пропущено (назва вже існує): %2.</translation>
        </message>
        <message>
            <source>不支持的文件类型：%1</source>
            <translation>Непідтримуваний тип файлу: %1</translation>
        </message>
        <message>
            <source>复制失败：%1</source>
            <translation>Помилка копіювання: %1</translation>
        </message>
        <message>
            <source>是否将 %1 移到回收站？</source>
            <translation>Перемістити до кошика (%1)?</translation>
        </message>
        <message>
            <source>以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2
是否永久删除？此操作无法撤销。</source>
            <translation>Елементів, які не можна перемістити до кошика (там немає доступного кошика, наприклад на іншому диску): %1 — %2
Видалити їх назавжди? Цю дію не можна скасувати.</translation>
        </message>
        <message>
            <source>无法删除：%1</source>
            <translation>Не вдалося видалити: %1</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Назва</translation>
        </message>
        <message>
            <source>新名称</source>
            <translation>Нова назва:</translation>
        </message>
        <message>
            <source>名称无效</source>
            <translation>Неприпустима назва</translation>
        </message>
        <message>
            <source>文件已存在：%1</source>
            <translation>Файл уже існує: %1</translation>
        </message>
        <message>
            <source>不能将文件复制到其自身：%1</source>
            <translation>Файл не можна скопіювати в самого себе: %1</translation>
        </message>
        <message>
            <source>不能将文件夹复制到其自身之中：%1</source>
            <translation>Папку не можна скопіювати в саму себе: %1</translation>
        </message>
        <message>
            <source>文件已存在：%1
是否替换？</source>
            <translation>Файл уже існує: %1
Замінити його?</translation>
        </message>
        <message>
            <source>%1 个文件已在目标文件夹中，未复制。</source>
            <translation>Уже в цільовій папці, не скопійовано файлів: %1.</translation>
        </message>
        <message>
            <source>没有可以打开此文件的程序：%1</source>
            <translation>Не задано програму для відкриття цього файлу: %1</translation>
        </message>
        <message>
            <source>照片和视频</source>
            <translation>Фото й відео</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Фото</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>Усі файли</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Імпорт</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Скасувати</translation>
        </message>
        <message>
            <source>不在根文件夹内，未删除：%1</source>
            <translation>Поза кореневою текою, не видалено: %1</translation>
        </message>
        <message>
            <source>不在根文件夹内，未重命名：%1</source>
            <translation>Поза кореневою текою, не перейменовано: %1</translation>
        </message>
        <message>
            <source>无法读取：%1（%2）</source>
            <translation>Не вдається прочитати: %1 (%2)</translation>
        </message>
        <message>
            <source>修复录像</source>
            <translation>Відновити запис</translation>
        </message>
        <message>
            <source>正在修复录像：%1</source>
            <translation>Відновлення запису: %1</translation>
        </message>
        <message>
            <source>图片过大，未导入：%1</source>
            <translation>Завеликі зображення не імпортовано: %1</translation>
        </message>
        <message>
            <source>无法将 %1 重命名为 %2</source>
            <translation>Не вдається перейменувати %1 на %2</translation>
        </message>
    </context>
    <context>
        <name>FlatFieldControl</name>
        <message>
            <source>平场太暗：请打开照明，对准空白视野</source>
            <translation>Плоске поле надто темне: увімкніть світло і наведіть на порожнє поле</translation>
        </message>
        <message>
            <source>平场过曝：请降低曝光或亮度</source>
            <translation>Плоске поле пересвічене: зменште експозицію або яскравість</translation>
        </message>
        <message>
            <source>请先采集平场</source>
            <translation>Спершу зніміть плоске поле</translation>
        </message>
        <message>
            <source>采集失败：相机没有送来画面</source>
            <translation>Знімання не вдалося: камера не надіслала зображення</translation>
        </message>
        <message>
            <source>平场校正</source>
            <translation>Корекція плоского поля</translation>
        </message>
        <message>
            <source>采集平场</source>
            <translation>Зняти плоске поле</translation>
        </message>
        <message>
            <source>采集暗场</source>
            <translation>Зняти темновий кадр</translation>
        </message>
        <message>
            <source>对准空白、均匀照明的视野后采集</source>
            <translation>Наведіть на порожнє, рівномірно освітлене поле і зніміть</translation>
        </message>
        <message>
            <source>关闭照明或盖上镜头后采集</source>
            <translation>Вимкніть світло або закрийте об'єктив і зніміть</translation>
        </message>
        <message>
            <source>正在采集…</source>
            <translation>Знімання…</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Пристрій не запущено.</translation>
        </message>
        <message>
            <source>此分辨率尚未采集平场</source>
            <translation>Для цієї роздільності плоске поле не знято</translation>
        </message>
        <message>
            <source>平场：%1%2</source>
            <translation>Плоске поле: %1%2</translation>
        </message>
        <message>
            <source>，含暗场</source>
            <translation>, з темновим кадром</translation>
        </message>
        <message>
            <source>采集失败：分辨率已改变</source>
            <translation>Знімання не вдалося: роздільність змінилася</translation>
        </message>
        <message>
            <source>无法保存平场图片，校正只在本次运行有效</source>
            <translation>Не вдалося зберегти знімки плоского поля; корекція діє до закриття програми</translation>
        </message>
    </context>
    <context>
        <name>FocusStackPanel</name>
        <message>
            <source>景深合成</source>
            <translation>Фокус-стекінг</translation>
        </message>
        <message>
            <source>转动调焦旋钮，让物体各处依次清晰，然后再按一次“景深合成”。</source>
            <translation>Обертайте ручку фокусування, доки кожна частина об’єкта не стане різкою, потім знову натисніть «Фокус-стекінг».</translation>
        </message>
        <message>
            <source>保存深度图</source>
            <translation>Зберегти карту глибини</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>Готово</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Закрити</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Скасувати</translation>
        </message>
    </context>
    <context>
        <name>FocusStacker</name>
        <message>
            <source>景深合成</source>
            <translation>Фокус-стекінг</translation>
        </message>
        <message>
            <source>已合成 %1 帧（已查看 %2 帧）</source>
            <translation>Об’єднано кадрів: %1 (переглянуто: %2)</translation>
        </message>
        <message>
            <source>没有可合成的帧</source>
            <translation>Немає кадрів для об’єднання</translation>
        </message>
        <message>
            <source>正在合成...</source>
            <translation>Об’єднання...</translation>
        </message>
        <message>
            <source>正在进行景深合成。</source>
            <translation>Фокус-стекінг уже виконується.</translation>
        </message>
        <message>
            <source>请选择至少两张照片。</source>
            <translation>Виберіть щонайменше дві фотографії.</translation>
        </message>
        <message>
            <source>无法读取：%1</source>
            <translation>Не вдалося прочитати: %1</translation>
        </message>
        <message>
            <source>无法对齐：%1</source>
            <translation>Не вдалося вирівняти: %1</translation>
        </message>
        <message>
            <source>已保存：%1</source>
            <translation>Збережено: %1</translation>
        </message>
        <message>
            <source>景深合成失败：%1</source>
            <translation>Помилка фокус-стекінгу: %1</translation>
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
            <translation>Версія: V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>© 2026 Команда розробників Vistrel. Усі права захищено.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>Ел. пошта:</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>Вебсайт:</translation>
        </message>
        <message>
            <source>关于 Qt</source>
            <translation>Про Qt</translation>
        </message>
        <message>
            <source>本程序使用以下开源库：</source>
            <translation>Програма використовує такі бібліотеки з відкритим кодом:</translation>
        </message>
    </context>
    <context>
        <name>MeasureEditer</name>
        <message>
            <source>Scale</source>
            <translation>За розміром</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Координати</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Не вдалося зберегти</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Зберегти</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Зберегти як</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Друк</translation>
        </message>
        <message>
            <source>标注文件已损坏，已忽略</source>
            <translation>Файл анотацій пошкоджено, його пропущено</translation>
        </message>
        <message>
            <source>已采用照片中的标定：%1</source>
            <translation>Використано калібрування, збережене у фото: %1</translation>
        </message>
        <message>
            <source>不能覆盖正在编辑的原图，请换一个文件名。</source>
            <translation>Не можна перезаписати оригінал, що редагується; виберіть інше ім'я файлу.</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Фото</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Не вдалося відкрити файл.</translation>
        </message>
        <message>
            <source>%1 中的测量尚未保存。是否保存？</source>
            <translation>Вимірювання в %1 не збережено. Зберегти їх?</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Файл</translation>
        </message>
        <message>
            <source>正在读取测量形状：%1</source>
            <translation>Читання фігур вимірювання: %1</translation>
        </message>
        <message>
            <source>测量形状文件过大（%1，上限 %2），未读取：%3</source>
            <translation>Файл фігур завеликий (%1, межа %2), не прочитано: %3</translation>
        </message>
    </context>
    <context>
        <name>MeasurementTable</name>
        <message>
            <source>编号</source>
            <translation>№</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Інструмент</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Назва</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Значення</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Одиниця</translation>
        </message>
        <message>
            <source>像素</source>
            <translation>Пікселі</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Калібрування</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Видалити</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Не вдалося зберегти</translation>
        </message>
        <message>
            <source>导出测量结果…</source>
            <translation>Експорт вимірювань…</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Копіювати</translation>
        </message>
        <message>
            <source>CSV 表格</source>
            <translation>Таблиця CSV</translation>
        </message>
        <message>
            <source>在窗口中显示结果</source>
            <translation>Показати результати у вікні</translation>
        </message>
        <message>
            <source>面积</source>
            <translation>Площа</translation>
        </message>
        <message>
            <source>周长</source>
            <translation>Периметр</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Еквівалентний діаметр</translation>
        </message>
        <message>
            <source>最大费雷特径</source>
            <translation>Макс. діаметр Ферета</translation>
        </message>
        <message>
            <source>最小费雷特径</source>
            <translation>Мін. діаметр Ферета</translation>
        </message>
        <message>
            <source>圆度</source>
            <translation>Округлість</translation>
        </message>
        <message>
            <source>平均灰度</source>
            <translation>Середній рівень сірого</translation>
        </message>
        <message>
            <source>数量</source>
            <translation>Кількість</translation>
        </message>
        <message>
            <source>平均值</source>
            <translation>Середнє</translation>
        </message>
        <message>
            <source>标准差</source>
            <translation>Стандартне відхилення</translation>
        </message>
    </context>
    <context>
        <name>MosaicBuilder</name>
        <message>
            <source>拼图</source>
            <translation>Мозаїка</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Скасувати</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Закрити</translation>
        </message>
        <message>
            <source>移动载物台以拼图；再按一次完成。</source>
            <translation>Переміщуйте столик, щоб скласти мозаїку; натисніть ще раз, щоб завершити.</translation>
        </message>
        <message>
            <source>已添加第 %1 幅</source>
            <translation>Поле %1 додано</translation>
        </message>
        <message>
            <source>已回到拍过的区域：拼接已细化。</source>
            <translation>Повернення на знятий ділянку: розміщення уточнено.</translation>
        </message>
        <message>
            <source>画面模糊（移动太快），未添加。</source>
            <translation>Зображення розмите (надто швидкий рух); не додано.</translation>
        </message>
        <message>
            <source>无法定位此画面（重叠太少），未添加。</source>
            <translation>Не вдається розмістити цей вигляд (замале перекриття); не додано.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存；未添加。</source>
            <translation>Мозаїці знадобиться %1 МБ — більше, ніж дозволяє пам'ять; не додано.</translation>
        </message>
        <message>
            <source>正在拼接…</source>
            <translation>Зшивання…</translation>
        </message>
        <message>
            <source>至少需要两幅视野。</source>
            <translation>Потрібно щонайменше два поля.</translation>
        </message>
        <message>
            <source>拼图已保存：%1</source>
            <translation>Мозаїку збережено: %1</translation>
        </message>
        <message>
            <source>无法放置：%1</source>
            <translation>Не вдається розмістити: %1</translation>
        </message>
        <message>
            <source>拼接已取消。</source>
            <translation>Зшивання скасовано.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存。</source>
            <translation>Мозаїці знадобиться %1 МБ — більше, ніж дозволяє пам'ять.</translation>
        </message>
        <message>
            <source>拼图未保存：%1</source>
            <translation>Мозаїку не збережено: %1</translation>
        </message>
        <message>
            <source>拼接</source>
            <translation>Зшити</translation>
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
            <translation>Так</translation>
        </message>
        <message>
            <source>否</source>
            <translation>Ні</translation>
        </message>
        <message>
            <source>全部是</source>
            <translation>Так для всіх</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Скасувати</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Зберегти</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>Не зберігати</translation>
        </message>
    </context>
    <context>
        <name>ParticlePanel</name>
        <message>
            <source>分析中…</source>
            <translation>Аналіз…</translation>
        </message>
        <message>
            <source>%1 个颗粒</source>
            <translation>Частинок: %1</translation>
        </message>
        <message>
            <source>直方图</source>
            <translation>Гістограма</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Еквівалентний діаметр</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Аналіз частинок</translation>
        </message>
        <message>
            <source>暗物体，亮背景</source>
            <translation>Темні об'єкти на світлому</translation>
        </message>
        <message>
            <source>亮物体，暗背景</source>
            <translation>Світлі об'єкти на темному</translation>
        </message>
        <message>
            <source>自动阈值 (Otsu)</source>
            <translation>Автоматичний поріг (Оцу)</translation>
        </message>
        <message>
            <source>填充孔洞</source>
            <translation>Заповнити отвори</translation>
        </message>
        <message>
            <source>最小面积 (像素)</source>
            <translation>Мінімальна площа (пікселі)</translation>
        </message>
        <message>
            <source>排除接触边缘的颗粒</source>
            <translation>Виключити частинки біля краю</translation>
        </message>
        <message>
            <source>分析</source>
            <translation>Аналізувати</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>录像 %1 没有正常结束，无法修复，已原样保留。</source>
            <translation>Запис %1 не було завершено, і його не вдалося відновити; файл збережено як є.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，已修复，时长 %2 秒。</source>
            <translation>Запис %1 не було завершено, його відновлено; тривалість %2 с.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。请释放空间，下次启动时会再次修复。</source>
            <translation>Запис %1 не завершився належно. Для відновлення потрібно %2 вільного місця, на диску лише %3. Звільніть місце: під час наступного запуску відновлення повториться.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。</source>
            <translation>Запис %1 не завершився належно; відновлену копію не вдалося записати, файл залишено як був. Під час наступного запуску спроба повториться.</translation>
        </message>
        <message>
            <source>录像 %1 的修复已取消，文件原样保留，可以再次修复。</source>
            <translation>Відновлення запису %1 скасовано; файл збережено без змін, його можна відновити знову.</translation>
        </message>
    </context>
    <context>
        <name>Reticle</name>
        <message>
            <source>网格 %1</source>
            <translation>Сітка %1</translation>
        </message>
        <message>
            <source>同心圆 %1</source>
            <translation>Кола %1</translation>
        </message>
        <message>
            <source>网格/同心圆 %1</source>
            <translation>Сітка/кола %1</translation>
        </message>
    </context>
    <context>
        <name>ReticleMenu</name>
        <message>
            <source>关闭</source>
            <translation>Вимк.</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Сітка</translation>
        </message>
        <message>
            <source>同心圆</source>
            <translation>Концентричні кола</translation>
        </message>
        <message>
            <source>网格和同心圆</source>
            <translation>Сітка і кола</translation>
        </message>
        <message>
            <source>标线</source>
            <translation>Сітка окуляра</translation>
        </message>
        <message>
            <source>没有标定，无法显示标线</source>
            <translation>Немає калібрування: сітку неможливо показати</translation>
        </message>
    </context>
    <context>
        <name>ScaleBarMenu</name>
        <message>
            <source>左上</source>
            <translation>Зліва вгорі</translation>
        </message>
        <message>
            <source>右上</source>
            <translation>Справа вгорі</translation>
        </message>
        <message>
            <source>左下</source>
            <translation>Зліва внизу</translation>
        </message>
        <message>
            <source>右下</source>
            <translation>Справа внизу</translation>
        </message>
        <message>
            <source>位置</source>
            <translation>Положення</translation>
        </message>
        <message>
            <source>没有标定，无法显示比例尺</source>
            <translation>Немає калібрування: лінійки немає</translation>
        </message>
    </context>
    <context>
        <name>SettingDialogClass</name>
        <message>
            <source>图片保存路径</source>
            <translation>Папка для фото</translation>
        </message>
        <message>
            <source>浏览</source>
            <translation>Огляд...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>Папка для відео</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Скасувати</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>Час початку має бути пізнішим за поточний час.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>Час початку</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Фото</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Відео</translation>
        </message>
        <message>
            <source>间隔时间</source>
            <translation>Інтервал</translation>
        </message>
        <message>
            <source>s</source>
            <translation>с</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>Тривалість відео</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>Загальна кількість</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>Виконано</translation>
        </message>
        <message>
            <source>开始</source>
            <translation>Почати</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Зупинити</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Закрити</translation>
        </message>
        <message>
            <source>立即开始</source>
            <translation>Почати зараз</translation>
        </message>
    </context>
    <context>
        <name>Shortcuts</name>
        <message>
            <source>撤销上一步</source>
            <translation>Скасувати останню дію</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Повторити</translation>
        </message>
        <message>
            <source>删除选中的图形</source>
            <translation>Видалити вибрану фігуру</translation>
        </message>
        <message>
            <source>取消正在绘制的图形；否则退出全屏</source>
            <translation>Скасувати фігуру, що малюється; інакше вийти з повноекранного режиму</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Зробити знімок</translation>
        </message>
        <message>
            <source>开始或停止录像</source>
            <translation>Почати або зупинити запис</translation>
        </message>
        <message>
            <source>滚轮</source>
            <translation>коліщатко миші</translation>
        </message>
        <message>
            <source>以鼠标指针为中心缩放</source>
            <translation>Масштаб навколо вказівника миші</translation>
        </message>
        <message>
            <source>键盘快捷键</source>
            <translation>Комбінації клавіш</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Скасувати</translation>
        </message>
    </context>
    <context>
        <name>Vistrel</name>
        <message>
            <source>Scale</source>
            <translation>За розміром</translation>
        </message>
        <message>
            <source>启动设备失败</source>
            <translation>Не вдалося запустити пристрій.</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>Пристрій не запущено.</translation>
        </message>
        <message>
            <source>停止录像</source>
            <translation>Зупинити запис</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Відео</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Не вдалося відкрити файл.</translation>
        </message>
        <message>
            <source>按ESC退出全屏</source>
            <translation>Esc — вихід з повного екрана</translation>
        </message>
        <message>
            <source>Save Image</source>
            <translation>Зображення збережено</translation>
        </message>
        <message>
            <source>帧率</source>
            <translation>Частота кадрів</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Координати</translation>
        </message>
        <message>
            <source>定时拍照已停止。</source>
            <translation>Зйомку за таймером зупинено.</translation>
        </message>
        <message>
            <source>定时拍照已停止：%1</source>
            <translation>Зйомку за таймером зупинено: %1</translation>
        </message>
        <message>
            <source>照片未保存：%1</source>
            <translation>Знімок не збережено: %1</translation>
        </message>
        <message>
            <source>下次拍摄：%1 秒后（%2/%3）</source>
            <translation>Наступний знімок через %1 с (%2/%3)</translation>
        </message>
        <message>
            <source>正在录像。停止录像并退出吗？</source>
            <translation>Триває запис. Зупинити його й вийти?</translation>
        </message>
        <message>
            <source>相机“%1”已断开。</source>
            <translation>Камеру «%1» від'єднано.</translation>
        </message>
        <message>
            <source>录像已保存：%1</source>
            <translation>Запис збережено: %1</translation>
        </message>
        <message>
            <source>在大视图中显示</source>
            <translation>Показати великим</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Фото</translation>
        </message>
        <message>
            <source>关闭相机</source>
            <translation>Закрити камеру</translation>
        </message>
        <message>
            <source>从文件打开图片…</source>
            <translation>Зображення з файлу…</translation>
        </message>
        <message>
            <source>正在录像。切换到四画面需要停止录像，是否停止？</source>
            <translation>Триває запис. Для вигляду з чотирьох вікон його треба зупинити. Зупинити запис?</translation>
        </message>
        <message>
            <source>录像时不能更改；请先停止录像。</source>
            <translation>Не можна змінити під час запису; спершу зупиніть запис.</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Повний екран</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Змінити</translation>
        </message>
        <message>
            <source>程序已在运行（使用同一配置），已将其窗口置于最前。
是否以只读方式再打开一个窗口？只读窗口不保存任何设置。</source>
            <translation>Програма вже працює з тими самими налаштуваннями; її вікно виведено наперед.
Відкрити ще одне вікно лише для читання? Таке вікно не зберігає налаштувань.</translation>
        </message>
        <message>
            <source>保存文件夹在根文件夹之外，未保存：%1</source>
            <translation>Тека збереження поза кореневою текою; нічого не збережено: %1</translation>
        </message>
        <message>
            <source>设置无法保存：%1</source>
            <translation>Не вдається зберегти налаштування: %1</translation>
        </message>
        <message>
            <source>无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。请检查该文件夹的权限和剩余空间。</source>
            <translation>Не вдається зберегти налаштування в %1. Зміни (зокрема калібрування) поки не зберігаються; програма пробує далі. Перевірте права на теку та вільне місце.</translation>
        </message>
        <message>
            <source>定时录像已停止：%1</source>
            <translation>Запис за розкладом зупинено: %1</translation>
        </message>
        <message>
            <source>录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。</source>
            <translation>Фрагмент неповний і не зарахований: у %1 лише %2 кадрів із %3.</translation>
        </message>
        <message>
            <source>四画面中不能录像，请先切换到单画面。</source>
            <translation>У режимі чотирьох вікон запис неможливий; спершу перемкніться на одне вікно.</translation>
        </message>
        <message>
            <source>设置未能保存到 %1，本次的更改已丢失。</source>
            <translation>Не вдалося зберегти налаштування в %1; зміни цього сеансу втрачено.</translation>
        </message>
        <message>
            <source>%1 已 %2 秒没有画面</source>
            <translation>Немає зображення від %1 уже %2 с</translation>
        </message>
        <message>
            <source>录像意外停止，原因不明。</source>
            <translation>Запис несподівано зупинився з невідомої причини.</translation>
        </message>
        <message>
            <source>录像已停止：%1</source>
            <translation>Запис зупинено: %1</translation>
        </message>
        <message>
            <source>%1 的大部分画面无法解码</source>
            <translation>Більшість кадрів з %1 не вдається декодувати</translation>
        </message>
        <message>
            <source>录像继续，以最后的画面补齐</source>
            <translation>Запис триває, пропуск заповнюється останнім кадром</translation>
        </message>
    </context>
    <context>
        <name>VistrelClass</name>
        <message>
            <source>拍照</source>
            <translation>Фото</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Відео</translation>
        </message>
        <message>
            <source>定时拍摄</source>
            <translation>Зйомка за таймером</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Повний екран</translation>
        </message>
        <message>
            <source>屏幕切换</source>
            <translation>Змінити вигляд</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Масштаб</translation>
        </message>
        <message>
            <source>设置</source>
            <translation>Налаштування</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>测量</source>
            <translation>Вимірювання</translation>
        </message>
        <message>
            <source>浏览文件</source>
            <translation>Огляд файлів</translation>
        </message>
        <message>
            <source>设备:</source>
            <translation>Пристрій:</translation>
        </message>
        <message>
            <source>格式:</source>
            <translation>Формат:</translation>
        </message>
        <message>
            <source>分辨率:</source>
            <translation>Роздільна здатність:</translation>
        </message>
        <message>
            <source>照片:</source>
            <translation>Фото:</translation>
        </message>
        <message>
            <source>录像:</source>
            <translation>Відео:</translation>
        </message>
        <message>
            <source>曝光与增益</source>
            <translation>Експозиція та підсилення</translation>
        </message>
        <message>
            <source>颜色调整</source>
            <translation>Налаштування кольору</translation>
        </message>
        <message>
            <source>白平衡</source>
            <translation>Баланс білого</translation>
        </message>
        <message>
            <source>翻转</source>
            <translation>Віддзеркалення</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Скинути налаштування</translation>
        </message>
        <message>
            <source>高级设置</source>
            <translation>Додаткові налаштування</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Файл</translation>
        </message>
        <message>
            <source>选项</source>
            <translation>Параметри</translation>
        </message>
        <message>
            <source>时间/日期</source>
            <translation>Дата/час</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Перехрестя</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Мова</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Довідка</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Вихід</translation>
        </message>
        <message>
            <source>关于</source>
            <translation>Про програму</translation>
        </message>
        <message>
            <source>定时设置</source>
            <translation>Налаштування таймера</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Імпорт</translation>
        </message>
        <message>
            <source>分辨率</source>
            <translation>Роздільна здатність</translation>
        </message>
        <message>
            <source>开</source>
            <translation>Увімк.</translation>
        </message>
        <message>
            <source>关</source>
            <translation>Вимк.</translation>
        </message>
        <message>
            <source>相片储存路径</source>
            <translation>Папка для фото</translation>
        </message>
        <message>
            <source>录像储存路径</source>
            <translation>Папка для відео</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Друк</translation>
        </message>
        <message>
            <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
            <translation>Спочатку виберіть і відкрийте папку для збереження: у правому верхньому куті «Огляд файлів» → «Фото» → «image» або «Огляд файлів» → «Відео» → «movie».</translation>
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
            <translation>Автоекспозиція</translation>
        </message>
        <message>
            <source>曝光时间</source>
            <translation>Час експозиції</translation>
        </message>
        <message>
            <source>增益</source>
            <translation>Підсилення</translation>
        </message>
        <message>
            <source>亮度</source>
            <translation>Яскравість</translation>
        </message>
        <message>
            <source>对比度</source>
            <translation>Контрастність</translation>
        </message>
        <message>
            <source>饱和度</source>
            <translation>Насиченість</translation>
        </message>
        <message>
            <source>色相</source>
            <translation>Відтінок</translation>
        </message>
        <message>
            <source>伽马值</source>
            <translation>Гамма</translation>
        </message>
        <message>
            <source>锐度</source>
            <translation>Різкість</translation>
        </message>
        <message>
            <source>黑白</source>
            <translation>Чорно-біле</translation>
        </message>
        <message>
            <source>自动白平衡</source>
            <translation>Автобаланс білого</translation>
        </message>
        <message>
            <source>色温</source>
            <translation>Колірна температура</translation>
        </message>
        <message>
            <source>红增益</source>
            <translation>Підсилення червоного</translation>
        </message>
        <message>
            <source>绿增益</source>
            <translation>Підсилення зеленого</translation>
        </message>
        <message>
            <source>蓝增益</source>
            <translation>Підсилення синього</translation>
        </message>
        <message>
            <source>水平翻转</source>
            <translation>Віддзеркалити по горизонталі</translation>
        </message>
        <message>
            <source>垂直翻转</source>
            <translation>Віддзеркалити по вертикалі</translation>
        </message>
        <message>
            <source>比例尺</source>
            <translation>Масштабна лінійка</translation>
        </message>
        <message>
            <source>摄像头驱动准许的帧率</source>
            <translation>Частота кадрів, надана драйвером камери</translation>
        </message>
        <message>
            <source>对焦</source>
            <translation>Фокус</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Сталася неочікувана помилка. Зверніться до інженера.</translation>
        </message>
    </context>
    <context>
        <name>report</name>
        <message>
            <source>测量报告</source>
            <translation>Звіт про вимірювання</translation>
        </message>
        <message>
            <source>无</source>
            <translation>Немає</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Файл</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Дата</translation>
        </message>
        <message>
            <source>相机</source>
            <translation>Камера</translation>
        </message>
        <message>
            <source>图片尺寸</source>
            <translation>Розмір зображення</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Калібрування</translation>
        </message>
        <message>
            <source>未标定</source>
            <translation>Не відкалібровано</translation>
        </message>
        <message>
            <source>标定系数</source>
            <translation>Коефіцієнт калібрування</translation>
        </message>
        <message>
            <source>标定时的图片尺寸</source>
            <translation>Розмір зображення під час калібрування</translation>
        </message>
        <message>
            <source>标定所用相机</source>
            <translation>Камера під час калібрування</translation>
        </message>
        <message>
            <source>测量结果</source>
            <translation>Результати</translation>
        </message>
        <message>
            <source>序号</source>
            <translation>№</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Інструмент</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Назва</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Значення</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Одиниця</translation>
        </message>
        <message>
            <source>像素值</source>
            <translation>Пікселі</translation>
        </message>
        <message>
            <source>没有测量</source>
            <translation>Немає вимірювань</translation>
        </message>
        <message>
            <source>续下页</source>
            <translation>Продовження на наступній сторінці</translation>
        </message>
        <message>
            <source>导出报告…</source>
            <translation>Експорт звіту…</translation>
        </message>
        <message>
            <source>导出报告</source>
            <translation>Експорт звіту</translation>
        </message>
        <message>
            <source>PDF 文件 (*.pdf)</source>
            <translation>Файли PDF (*.pdf)</translation>
        </message>
        <message>
            <source>无法写入报告：%1</source>
            <translation>Не вдалося записати звіт: %1</translation>
        </message>
    </context>
</TS>
