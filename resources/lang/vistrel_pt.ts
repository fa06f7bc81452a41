<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="zh_CN">
    <context>
        <name>AnalysisTools</name>
        <message>
            <source>吸附边缘</source>
            <translation>Ajustar às bordas</translation>
        </message>
        <message>
            <source>拟合圆</source>
            <translation>Ajustar círculo</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Análise de partículas</translation>
        </message>
    </context>
    <context>
        <name>BDWidget</name>
        <message>
            <source>测量</source>
            <translation>Medir</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordenadas</translation>
        </message>
        <message>
            <source>线条</source>
            <translation>Linha</translation>
        </message>
        <message>
            <source>折线</source>
            <translation>Polilinha</translation>
        </message>
        <message>
            <source>矩形</source>
            <translation>Retângulo</translation>
        </message>
        <message>
            <source>多边形</source>
            <translation>Polígono</translation>
        </message>
        <message>
            <source>平行线</source>
            <translation>Linhas paralelas</translation>
        </message>
        <message>
            <source>垂线</source>
            <translation>Perpendicular</translation>
        </message>
        <message>
            <source>网格线</source>
            <translation>Grade</translation>
        </message>
        <message>
            <source>角度</source>
            <translation>Ângulo</translation>
        </message>
        <message>
            <source>圆弧</source>
            <translation>Arco</translation>
        </message>
        <message>
            <source>圆</source>
            <translation>Círculo</translation>
        </message>
        <message>
            <source>两点圆</source>
            <translation>Círculo por 2 pontos</translation>
        </message>
        <message>
            <source>三点圆</source>
            <translation>Círculo por 3 pontos</translation>
        </message>
        <message>
            <source>重合圆</source>
            <translation>Círculos concêntricos</translation>
        </message>
        <message>
            <source>双圆</source>
            <translation>Dois círculos</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Texto</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Mover</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Excluir</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Retícula</translation>
        </message>
        <message>
            <source>后退一步</source>
            <translation>Desfazer</translation>
        </message>
        <message>
            <source>前进一步</source>
            <translation>Refazer</translation>
        </message>
        <message>
            <source>清除</source>
            <translation>Limpar tudo</translation>
        </message>
        <message>
            <source>测量图标</source>
            <translation>Formas</translation>
        </message>
        <message>
            <source>颜色</source>
            <translation>Cor</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Fonte</translation>
        </message>
        <message>
            <source>大小</source>
            <translation>Tamanho</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Calibração</translation>
        </message>
        <message>
            <source>标定值</source>
            <translation>Calibração ativa</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Editar</translation>
        </message>
        <message>
            <source>标定列表</source>
            <translation>Lista de calibrações</translation>
        </message>
        <message>
            <source>备份</source>
            <translation>Backup</translation>
        </message>
        <message>
            <source>恢复</source>
            <translation>Restaurar</translation>
        </message>
        <message>
            <source>增加一个新的标定</source>
            <translation>Nova calibração</translation>
        </message>
        <message>
            <source>放大倍数</source>
            <translation>Ampliação</translation>
        </message>
        <message>
            <source>实际长度</source>
            <translation>Comprimento real</translation>
        </message>
        <message>
            <source>新增</source>
            <translation>Adicionar</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>实线</source>
            <translation>Contínua</translation>
        </message>
        <message>
            <source>虚线</source>
            <translation>Tracejada</translation>
        </message>
        <message>
            <source>是否删除全部</source>
            <translation>Excluir todas as medições?</translation>
        </message>
        <message>
            <source>标定于 %1 × %2，缩放 ×%3</source>
            <translation>calibrado em %1 × %2, escalado ×%3</translation>
        </message>
        <message>
            <source>无法写入备份文件：%1</source>
            <translation>Não foi possível gravar o arquivo de backup: %1</translation>
        </message>
        <message>
            <source>已跳过 %1 条系数无效的标定</source>
            <translation>%1 calibrações com fator inválido foram ignoradas.</translation>
        </message>
        <message>
            <source>文件中没有可用的标定，列表未改变</source>
            <translation>O arquivo não contém nenhuma calibração utilizável; a lista não foi alterada.</translation>
        </message>
        <message>
            <source>无法读取该文件或它不是标定备份，列表未改变</source>
            <translation>O arquivo não pode ser lido ou não é um backup de calibrações; a lista não foi alterada.</translation>
        </message>
        <message>
            <source>用文件中的 %1 条标定替换当前的 %2 条标定？</source>
            <translation>Substituir as %2 calibrações atuais pelas %1 do arquivo?</translation>
        </message>
        <message>
            <source>结果</source>
            <translation>Resultados</translation>
        </message>
        <message>
            <source>同时保存 CSV</source>
            <translation>Salvar também CSV</translation>
        </message>
        <message>
            <source>保存图片时在旁边写入测量结果（CSV）</source>
            <translation>Gravar também as medições (CSV) ao lado da imagem salva</translation>
        </message>
        <message>
            <source>标定文件</source>
            <translation>Arquivo de calibração</translation>
        </message>
        <message>
            <source>加入列表</source>
            <translation>Adicionar à lista</translation>
        </message>
        <message>
            <source>自动识别刻度</source>
            <translation>Encontrar a escala</translation>
        </message>
        <message>
            <source>在画面中找到标尺的刻度，并把测量尺放在第一条和最后一条刻度上</source>
            <translation>Encontra as marcas da escala na imagem e coloca a régua da primeira à última</translation>
        </message>
        <message>
            <source>每一格的长度</source>
            <translation>Comprimento de uma divisão</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，现在使用“%2”</source>
            <translation>A calibração «%1» já não está na lista; agora é usada «%2».</translation>
        </message>
        <message>
            <source>标定“%1”已不在列表中，测量值以像素显示</source>
            <translation>A calibração «%1» já não está na lista; as medidas são mostradas em píxeis.</translation>
        </message>
        <message>
            <source>未标定 (px)</source>
            <translation>Sem calibração (px)</translation>
        </message>
        <message>
            <source>来自照片</source>
            <translation>da foto</translation>
        </message>
        <message>
            <source>实际长度“%1”无效：请输入大于 0 的长度，例如 %2</source>
            <translation>O comprimento real «%1» não é válido: introduza um comprimento maior que 0, p. ex. %2</translation>
        </message>
        <message>
            <source>标尺长度为 0：请把标尺的两端拖到已知长度的两端</source>
            <translation>A régua não tem comprimento: arraste as pontas para as de um comprimento conhecido</translation>
        </message>
        <message>
            <source>未找到刻度：请让标尺的刻度清晰、完整地出现在画面中</source>
            <translation>Nenhuma escala encontrada: enquadre as marcas da escala, nítidas e inteiras</translation>
        </message>
    </context>
    <context>
        <name>CameraHub</name>
        <message>
            <source>USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口</source>
            <translation>Largura de banda USB esgotada: use MJPG ou uma resolução menor, ou outra porta USB</translation>
        </message>
        <message>
            <source>没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。</source>
            <translation>Sem permissão para abrir %1. Instale a regra udev do programa e reconecte a câmera, ou adicione seu usuário ao grupo video (sudo usermod -aG video $USER) e entre novamente.</translation>
        </message>
        <message>
            <source>显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：
%2
或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。</source>
            <translation>O botão de captura do microscópio não pode ser usado: sem permissão para ler %1. Execute este comando e reconecte a câmera:
%2
ou adicione seu usuário ao grupo input (sudo usermod -aG input $USER) e entre novamente.</translation>
        </message>
    </context>
    <context>
        <name>CameraLabel</name>
        <message>
            <source>解冻</source>
            <translation>Descongelar</translation>
        </message>
        <message>
            <source>冻结</source>
            <translation>Congelar</translation>
        </message>
    </context>
    <context>
        <name>CameraScene</name>
        <message>
            <source>文字</source>
            <translation>Texto</translation>
        </message>
        <message>
            <source>没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口</source>
            <translation>Nenhuma câmera detectada. Conecte o microscópio diretamente a uma porta USB.</translation>
        </message>
    </context>
    <context>
        <name>DeviceSettingsDialog</name>
        <message>
            <source>设备属性</source>
            <translation>Configurações do dispositivo</translation>
        </message>
        <message>
            <source>设备没有可调整的参数</source>
            <translation>Esta câmera não tem ajustes configuráveis.</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Restaurar padrões</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Fechar</translation>
        </message>
    </context>
    <context>
        <name>DiskError</name>
        <message>
            <source>磁盘已满：%1（剩余 %2）</source>
            <translation>Disco cheio: %1 (%2 livres)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1</source>
            <translation>A pasta não permite gravação: %1</translation>
        </message>
        <message>
            <source>写入失败：%1（%2）</source>
            <translation>Falha na gravação: %1 (%2)</translation>
        </message>
        <message>
            <source>文件夹不可写：%1（无法在 %2 中创建）</source>
            <translation>A pasta não permite gravação: %1 (não pode ser criada em %2)</translation>
        </message>
    </context>
    <context>
        <name>FileBrowser</name>
        <message>
            <source>Search</source>
            <translation>Pesquisar</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>文件夹名称无效</source>
            <translation>Nome de pasta inválido</translation>
        </message>
        <message>
            <source>新建文件夹</source>
            <translation>Nova pasta</translation>
        </message>
        <message>
            <source>返回上一级</source>
            <translation>Subir um nível</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>排序</source>
            <translation>Ordenar</translation>
        </message>
        <message>
            <source>此链接指向根文件夹之外，不会打开：%1</source>
            <translation>Este link leva para fora da pasta raiz e não é aberto: %1</translation>
        </message>
    </context>
    <context>
        <name>FileOperations</name>
        <message>
            <source>%1 个文件</source>
            <translation>%1 arquivo(s)</translation>
        </message>
        <message>
            <source>%1 个文件夹（共 %2 项）</source>
            <translation>%1 pasta(s) com %2 item(ns)</translation>
        </message>
        <message>
            <source>%1 个文件和 %2 个文件夹（共 %3 项）</source>
            <translation>%1 arquivo(s) e %2 pasta(s) com %3 item(ns)</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Abrir</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Copiar</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Excluir</translation>
        </message>
        <message>
            <source>全部删除</source>
            <translation>Excluir tudo</translation>
        </message>
        <message>
            <source>重命名</source>
            <translation>Renomear</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Salvar como</translation>
        </message>
        <message>
            <source>全部另存为</source>
            <translation>Salvar tudo como</translation>
        </message>
        <message>
            <source>复制文件...</source>
            <translation>Copiando arquivos...</translation>
        </message>
        <message>
            <source>已复制 %1 个文件，跳过 %2 个同名文件。</source>
            <translation>Arquivos copiados: %1. Ignorados (o nome já existe): %2.</translation>
        </message>
        <message>
            <source>不支持的文件类型：%1</source>
            <translation>Tipo de arquivo não suportado: %1</translation>
        </message>
        <message>
            <source>复制失败：%1</source>
            <translation>Falha ao copiar: %1</translation>
        </message>
        <message>
            <source>是否将 %1 移到回收站？</source>
            <translation>Mover %1 para a lixeira?</translation>
        </message>
        <message>
            <source>以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2
是否永久删除？此操作无法撤销。</source>
            <translation>%1 item(ns) não podem ser movidos para a lixeira (não há lixeira disponível ali, por exemplo em outro disco): %2
Excluí-los permanentemente? Esta ação não pode ser desfeita.</translation>
        </message>
        <message>
            <source>无法删除：%1</source>
            <translation>Não foi possível excluir: %1</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>新名称</source>
            <translation>Novo nome:</translation>
        </message>
        <message>
            <source>名称无效</source>
            <translation>Nome inválido</translation>
        </message>
        <message>
            <source>文件已存在：%1</source>
            <translation>O arquivo já existe: %1</translation>
        </message>
        <message>
            <source>不能将文件复制到其自身：%1</source>
            <translation>Um arquivo não pode ser copiado sobre si mesmo: %1</translation>
        </message>
        <message>
            <source>不能将文件夹复制到其自身之中：%1</source>
            <translation>Uma pasta não pode ser copiada para dentro de si mesma: %1</translation>
        </message>
        <message>
            <source>文件已存在：%1
是否替换？</source>
            <translation>O arquivo já existe: %1
Substituí-lo?</translation>
        </message>
        <message>
            <source>%1 个文件已在目标文件夹中，未复制。</source>
            <translation>Já estão na pasta de destino, não copiados: %1 arquivo(s).</translation>
        </message>
        <message>
            <source>没有可以打开此文件的程序：%1</source>
            <translation>Nenhum programa definido para abrir este arquivo: %1</translation>
        </message>
        <message>
            <source>照片和视频</source>
            <translation>Fotos e vídeos</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Fotos</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>Todos os arquivos</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importar</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>不在根文件夹内，未删除：%1</source>
            <translation>Fora da pasta raiz, não excluído: %1</translation>
        </message>
        <message>
            <source>不在根文件夹内，未重命名：%1</source>
            <translation>Fora da pasta raiz, não renomeado: %1</translation>
        </message>
        <message>
            <source>无法读取：%1（%2）</source>
            <translation>Não é possível ler: %1 (%2)</translation>
        </message>
        <message>
            <source>修复录像</source>
            <translation>Reparar gravação</translation>
        </message>
        <message>
            <source>正在修复录像：%1</source>
            <translation>Reparando a gravação: %1</translation>
        </message>
        <message>
            <source>图片过大，未导入：%1</source>
            <translation>Imagens grandes demais, não importadas: %1</translation>
        </message>
        <message>
            <source>无法将 %1 重命名为 %2</source>
            <translation>Não é possível renomear %1 para %2</translation>
        </message>
    </context>
    <context>
        <name>FlatFieldControl</name>
        <message>
            <source>平场太暗：请打开照明，对准空白视野</source>
            <translation>Campo plano muito escuro: ligue a luz e aponte para um campo vazio</translation>
        </message>
        <message>
            <source>平场过曝：请降低曝光或亮度</source>
            <translation>Campo plano superexposto: reduza a exposição ou o brilho</translation>
        </message>
        <message>
            <source>请先采集平场</source>
            <translation>Primeiro capture um campo plano</translation>
        </message>
        <message>
            <source>采集失败：相机没有送来画面</source>
            <translation>Falha na captura: a câmera não enviou imagem</translation>
        </message>
        <message>
            <source>平场校正</source>
            <translation>Correção de campo plano</translation>
        </message>
        <message>
            <source>采集平场</source>
            <translation>Capturar campo plano</translation>
        </message>
        <message>
            <source>采集暗场</source>
            <translation>Capturar quadro escuro</translation>
        </message>
        <message>
            <source>对准空白、均匀照明的视野后采集</source>
            <translation>Aponte para um campo vazio e iluminado por igual e capture</translation>
        </message>
        <message>
            <source>关闭照明或盖上镜头后采集</source>
            <translation>Desligue a luz ou cubra a lente e capture</translation>
        </message>
        <message>
            <source>正在采集…</source>
            <translation>Capturando…</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>O dispositivo não foi iniciado.</translation>
        </message>
        <message>
            <source>此分辨率尚未采集平场</source>
            <translation>Nenhum campo plano capturado nesta resolução</translation>
        </message>
        <message>
            <source>平场：%1%2</source>
            <translation>Campo plano: %1%2</translation>
        </message>
        <message>
            <source>，含暗场</source>
            <translation>, com quadro escuro</translation>
        </message>
        <message>
            <source>采集失败：分辨率已改变</source>
            <translation>Falha na captura: a resolução mudou</translation>
        </message>
        <message>
            <source>无法保存平场图片，校正只在本次运行有效</source>
            <translation>Não foi possível salvar as imagens de campo plano; a correção vale até fechar o programa</translation>
        </message>
    </context>
    <context>
        <name>FocusStackPanel</name>
        <message>
            <source>景深合成</source>
            <translation>Empilhamento de foco</translation>
        </message>
        <message>
            <source>转动调焦旋钮，让物体各处依次清晰，然后再按一次“景深合成”。</source>
            <translation>Gire o botão de foco até que cada parte do objeto tenha ficado nítida e pressione Empilhamento de foco novamente.</translation>
        </message>
        <message>
            <source>保存深度图</source>
            <translation>Salvar mapa de profundidade</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>Concluir</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>FocusStacker</name>
        <message>
            <source>景深合成</source>
            <translation>Empilhamento de foco</translation>
        </message>
        <message>
            <source>已合成 %1 帧（已查看 %2 帧）</source>
            <translation>%1 quadros fundidos (%2 examinados)</translation>
        </message>
        <message>
            <source>没有可合成的帧</source>
            <translation>Nenhum quadro para fundir</translation>
        </message>
        <message>
            <source>正在合成...</source>
            <translation>Fundindo...</translation>
        </message>
        <message>
            <source>正在进行景深合成。</source>
            <translation>Um empilhamento de foco está em andamento.</translation>
        </message>
        <message>
            <source>请选择至少两张照片。</source>
            <translation>Selecione pelo menos duas fotos.</translation>
        </message>
        <message>
            <source>无法读取：%1</source>
            <translation>Não foi possível ler: %1</translation>
        </message>
        <message>
            <source>无法对齐：%1</source>
            <translation>Não foi possível alinhar: %1</translation>
        </message>
        <message>
            <source>已保存：%1</source>
            <translation>Salvo: %1</translation>
        </message>
        <message>
            <source>景深合成失败：%1</source>
            <translation>Falha no empilhamento de foco: %1</translation>
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
            <translation>Versão: V3.1.3</translation>
        </message>
        <message>
            <source>版权所有 © 2026 Vistrel 开发团队，保留所有权利。</source>
            <translation>Copyright © 2026 Equipe de desenvolvimento do Vistrel. Todos os direitos reservados.</translation>
        </message>
        <message>
            <source>邮箱：</source>
            <translation>E-mail:</translation>
        </message>
        <message>
            <source>网站：</source>
            <translation>Site:</translation>
        </message>
        <message>
            <source>关于 Qt</source>
            <translation>Sobre o Qt</translation>
        </message>
        <message>
            <source>本程序使用以下开源库：</source>
            <translation>Este programa usa as seguintes bibliotecas de código aberto:</translation>
        </message>
    </context>
    <context>
        <name>MeasureEditer</name>
        <message>
            <source>Scale</source>
            <translation>Ajustar</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordenadas</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Falha ao salvar</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Salvar</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Salvar como</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Imprimir</translation>
        </message>
        <message>
            <source>标注文件已损坏，已忽略</source>
            <translation>O arquivo de anotações está danificado e foi ignorado</translation>
        </message>
        <message>
            <source>已采用照片中的标定：%1</source>
            <translation>Usando a calibração salva na foto: %1</translation>
        </message>
        <message>
            <source>不能覆盖正在编辑的原图，请换一个文件名。</source>
            <translation>Não é possível substituir a imagem original em edição; escolha outro nome de arquivo.</translation>
        </message>
        <message>
            <source>照片</source>
            <translation>Fotos</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Não foi possível abrir o arquivo.</translation>
        </message>
        <message>
            <source>%1 中的测量尚未保存。是否保存？</source>
            <translation>As medições em %1 não foram salvas. Salvá-las?</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Arquivo</translation>
        </message>
        <message>
            <source>正在读取测量形状：%1</source>
            <translation>Lendo as formas de medição: %1</translation>
        </message>
        <message>
            <source>测量形状文件过大（%1，上限 %2），未读取：%3</source>
            <translation>Arquivo de formas grande demais (%1, limite %2), não lido: %3</translation>
        </message>
    </context>
    <context>
        <name>MeasurementTable</name>
        <message>
            <source>编号</source>
            <translation>N.º</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Ferramenta</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Valor</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Unidade</translation>
        </message>
        <message>
            <source>像素</source>
            <translation>Pixels</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Calibração</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Excluir</translation>
        </message>
        <message>
            <source>保存失败</source>
            <translation>Falha ao salvar</translation>
        </message>
        <message>
            <source>导出测量结果…</source>
            <translation>Exportar medições…</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Copiar</translation>
        </message>
        <message>
            <source>CSV 表格</source>
            <translation>Tabela CSV</translation>
        </message>
        <message>
            <source>在窗口中显示结果</source>
            <translation>Mostrar resultados numa janela</translation>
        </message>
        <message>
            <source>面积</source>
            <translation>Área</translation>
        </message>
        <message>
            <source>周长</source>
            <translation>Perímetro</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Diâmetro equivalente</translation>
        </message>
        <message>
            <source>最大费雷特径</source>
            <translation>Diâmetro de Feret máx.</translation>
        </message>
        <message>
            <source>最小费雷特径</source>
            <translation>Diâmetro de Feret mín.</translation>
        </message>
        <message>
            <source>圆度</source>
            <translation>Circularidade</translation>
        </message>
        <message>
            <source>平均灰度</source>
            <translation>Cinza médio</translation>
        </message>
        <message>
            <source>数量</source>
            <translation>Quantidade</translation>
        </message>
        <message>
            <source>平均值</source>
            <translation>Média</translation>
        </message>
        <message>
            <source>标准差</source>
            <translation>Desvio padrão</translation>
        </message>
    </context>
    <context>
        <name>MosaicBuilder</name>
        <message>
            <source>拼图</source>
            <translation>Mosaico</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>移动载物台以拼图；再按一次完成。</source>
            <translation>Mova a platina para montar o mosaico; pressione novamente para concluir.</translation>
        </message>
        <message>
            <source>已添加第 %1 幅</source>
            <translation>Campo %1 adicionado</translation>
        </message>
        <message>
            <source>已回到拍过的区域：拼接已细化。</source>
            <translation>De volta a uma área já coberta: posicionamento refinado.</translation>
        </message>
        <message>
            <source>画面模糊（移动太快），未添加。</source>
            <translation>Imagem borrada (movimento rápido demais); não adicionada.</translation>
        </message>
        <message>
            <source>无法定位此画面（重叠太少），未添加。</source>
            <translation>Não é possível posicionar esta vista (pouca sobreposição); não adicionada.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存；未添加。</source>
            <translation>O mosaico precisaria de %1 MB, mais do que a memória permite; não adicionado.</translation>
        </message>
        <message>
            <source>正在拼接…</source>
            <translation>Unindo…</translation>
        </message>
        <message>
            <source>至少需要两幅视野。</source>
            <translation>São necessários pelo menos dois campos.</translation>
        </message>
        <message>
            <source>拼图已保存：%1</source>
            <translation>Mosaico salvo: %1</translation>
        </message>
        <message>
            <source>无法放置：%1</source>
            <translation>Não é possível posicionar: %1</translation>
        </message>
        <message>
            <source>拼接已取消。</source>
            <translation>União cancelada.</translation>
        </message>
        <message>
            <source>拼图将需要 %1 MB，超出可用内存。</source>
            <translation>O mosaico precisaria de %1 MB, mais do que a memória permite.</translation>
        </message>
        <message>
            <source>拼图未保存：%1</source>
            <translation>Mosaico não salvo: %1</translation>
        </message>
        <message>
            <source>拼接</source>
            <translation>Unir</translation>
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
            <translation>Sim</translation>
        </message>
        <message>
            <source>否</source>
            <translation>Não</translation>
        </message>
        <message>
            <source>全部是</source>
            <translation>Sim para todos</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Salvar</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>Não salvar</translation>
        </message>
    </context>
    <context>
        <name>ParticlePanel</name>
        <message>
            <source>分析中…</source>
            <translation>Analisando…</translation>
        </message>
        <message>
            <source>%1 个颗粒</source>
            <translation>%1 partículas</translation>
        </message>
        <message>
            <source>直方图</source>
            <translation>Histograma</translation>
        </message>
        <message>
            <source>等效直径</source>
            <translation>Diâmetro equivalente</translation>
        </message>
        <message>
            <source>颗粒分析</source>
            <translation>Análise de partículas</translation>
        </message>
        <message>
            <source>暗物体，亮背景</source>
            <translation>Objetos escuros sobre claro</translation>
        </message>
        <message>
            <source>亮物体，暗背景</source>
            <translation>Objetos claros sobre escuro</translation>
        </message>
        <message>
            <source>自动阈值 (Otsu)</source>
            <translation>Limiar automático (Otsu)</translation>
        </message>
        <message>
            <source>填充孔洞</source>
            <translation>Preencher furos</translation>
        </message>
        <message>
            <source>最小面积 (像素)</source>
            <translation>Área mínima (pixels)</translation>
        </message>
        <message>
            <source>排除接触边缘的颗粒</source>
            <translation>Excluir partículas na borda</translation>
        </message>
        <message>
            <source>分析</source>
            <translation>Analisar</translation>
        </message>
    </context>
    <context>
        <name>Recovery</name>
        <message>
            <source>录像 %1 没有正常结束，无法修复，已原样保留。</source>
            <translation>A gravação %1 não terminou corretamente e não pôde ser reparada; foi mantida como está.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，已修复，时长 %2 秒。</source>
            <translation>A gravação %1 não terminou corretamente e foi reparada; ela dura %2 segundos.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。请释放空间，下次启动时会再次修复。</source>
            <translation>A gravação %1 não terminou corretamente. O reparo precisa de %2 de espaço livre; o disco tem apenas %3. Libere espaço: a próxima inicialização a reparará novamente.</translation>
        </message>
        <message>
            <source>录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。</source>
            <translation>A gravação %1 não terminou corretamente; o reparo não pôde ser gravado e ela foi mantida como estava. A próxima inicialização tentará novamente.</translation>
        </message>
        <message>
            <source>录像 %1 的修复已取消，文件原样保留，可以再次修复。</source>
            <translation>O reparo da gravação %1 foi cancelado; o arquivo foi mantido como estava e pode ser reparado novamente.</translation>
        </message>
    </context>
    <context>
        <name>Reticle</name>
        <message>
            <source>网格 %1</source>
            <translation>Grade %1</translation>
        </message>
        <message>
            <source>同心圆 %1</source>
            <translation>Círculos %1</translation>
        </message>
        <message>
            <source>网格/同心圆 %1</source>
            <translation>Grade/círculos %1</translation>
        </message>
    </context>
    <context>
        <name>ReticleMenu</name>
        <message>
            <source>关闭</source>
            <translation>Desligado</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Grade</translation>
        </message>
        <message>
            <source>同心圆</source>
            <translation>Círculos concêntricos</translation>
        </message>
        <message>
            <source>网格和同心圆</source>
            <translation>Grade e círculos</translation>
        </message>
        <message>
            <source>标线</source>
            <translation>Retículo</translation>
        </message>
        <message>
            <source>没有标定，无法显示标线</source>
            <translation>Sem calibração: não é possível mostrar o retículo</translation>
        </message>
    </context>
    <context>
        <name>ScaleBarMenu</name>
        <message>
            <source>左上</source>
            <translation>Superior esquerdo</translation>
        </message>
        <message>
            <source>右上</source>
            <translation>Superior direito</translation>
        </message>
        <message>
            <source>左下</source>
            <translation>Inferior esquerdo</translation>
        </message>
        <message>
            <source>右下</source>
            <translation>Inferior direito</translation>
        </message>
        <message>
            <source>位置</source>
            <translation>Posição</translation>
        </message>
        <message>
            <source>没有标定，无法显示比例尺</source>
            <translation>Sem calibração: sem barra de escala</translation>
        </message>
    </context>
    <context>
        <name>SettingDialogClass</name>
        <message>
            <source>图片保存路径</source>
            <translation>Pasta de fotos</translation>
        </message>
        <message>
            <source>浏览</source>
            <translation>Procurar...</translation>
        </message>
        <message>
            <source>视频保存路径</source>
            <translation>Pasta de vídeos</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialog</name>
        <message>
            <source>启动时间需大于当前时间</source>
            <translation>A hora de início deve ser posterior à hora atual.</translation>
        </message>
    </context>
    <context>
        <name>SettingTimeDialogClass</name>
        <message>
            <source>开始时间</source>
            <translation>Hora de início</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Foto</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Vídeo</translation>
        </message>
        <message>
            <source>间隔时间</source>
            <translation>Intervalo</translation>
        </message>
        <message>
            <source>s</source>
            <translation>s</translation>
        </message>
        <message>
            <source>视频长度</source>
            <translation>Duração do clipe</translation>
        </message>
        <message>
            <source>总数量</source>
            <translation>Quantidade total</translation>
        </message>
        <message>
            <source>已拍数量</source>
            <translation>Capturas feitas</translation>
        </message>
        <message>
            <source>开始</source>
            <translation>Iniciar</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Parar</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>立即开始</source>
            <translation>Iniciar agora</translation>
        </message>
    </context>
    <context>
        <name>Shortcuts</name>
        <message>
            <source>撤销上一步</source>
            <translation>Desfazer a última ação</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Refazer</translation>
        </message>
        <message>
            <source>删除选中的图形</source>
            <translation>Excluir a forma selecionada</translation>
        </message>
        <message>
            <source>取消正在绘制的图形；否则退出全屏</source>
            <translation>Cancelar a forma em desenho; senão sair da tela cheia</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Tirar uma foto</translation>
        </message>
        <message>
            <source>开始或停止录像</source>
            <translation>Iniciar ou parar a gravação</translation>
        </message>
        <message>
            <source>滚轮</source>
            <translation>roda do mouse</translation>
        </message>
        <message>
            <source>以鼠标指针为中心缩放</source>
            <translation>Zoom em torno do ponteiro</translation>
        </message>
        <message>
            <source>键盘快捷键</source>
            <translation>Atalhos de teclado</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Desfazer</translation>
        </message>
    </context>
    <context>
        <name>Vistrel</name>
        <message>
            <source>Scale</source>
            <translation>Ajustar</translation>
        </message>
        <message>
            <source>启动设备失败</source>
            <translation>Não foi possível iniciar o dispositivo.</translation>
        </message>
        <message>
            <source>设备未启动</source>
            <translation>O dispositivo não foi iniciado.</translation>
        </message>
        <message>
            <source>停止录像</source>
            <translation>Parar gravação</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Vídeo</translation>
        </message>
        <message>
            <source>打开文件失败</source>
            <translation>Não foi possível abrir o arquivo.</translation>
        </message>
        <message>
            <source>按ESC退出全屏</source>
            <translation>Esc: sair da tela cheia</translation>
        </message>
        <message>
            <source>Save Image</source>
            <translation>Imagem salva</translation>
        </message>
        <message>
            <source>帧率</source>
            <translation>Taxa de quadros</translation>
        </message>
        <message>
            <source>坐标</source>
            <translation>Coordenadas</translation>
        </message>
        <message>
            <source>定时拍照已停止。</source>
            <translation>A série de fotos programada parou.</translation>
        </message>
        <message>
            <source>定时拍照已停止：%1</source>
            <translation>A série de fotos programada parou: %1</translation>
        </message>
        <message>
            <source>照片未保存：%1</source>
            <translation>A foto não foi salva: %1</translation>
        </message>
        <message>
            <source>下次拍摄：%1 秒后（%2/%3）</source>
            <translation>Próxima foto em %1 s (%2/%3)</translation>
        </message>
        <message>
            <source>正在录像。停止录像并退出吗？</source>
            <translation>Há uma gravação em andamento. Pará-la e sair?</translation>
        </message>
        <message>
            <source>相机“%1”已断开。</source>
            <translation>A câmera "%1" foi desconectada.</translation>
        </message>
        <message>
            <source>录像已保存：%1</source>
            <translation>A gravação foi salva: %1</translation>
        </message>
        <message>
            <source>在大视图中显示</source>
            <translation>Mostrar em visão grande</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Foto</translation>
        </message>
        <message>
            <source>关闭相机</source>
            <translation>Fechar câmera</translation>
        </message>
        <message>
            <source>从文件打开图片…</source>
            <translation>Imagem de arquivo…</translation>
        </message>
        <message>
            <source>正在录像。切换到四画面需要停止录像，是否停止？</source>
            <translation>Há uma gravação em andamento. A visão de quatro quadros exige pará-la. Parar a gravação?</translation>
        </message>
        <message>
            <source>录像时不能更改；请先停止录像。</source>
            <translation>Não pode ser alterado durante a gravação; pare a gravação primeiro.</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Tela cheia</translation>
        </message>
        <message>
            <source>编辑</source>
            <translation>Editar</translation>
        </message>
        <message>
            <source>程序已在运行（使用同一配置），已将其窗口置于最前。
是否以只读方式再打开一个窗口？只读窗口不保存任何设置。</source>
            <translation>O programa já está em execução com as mesmas configurações; sua janela foi trazida para a frente.
Abrir outra janela somente leitura? Uma janela somente leitura não salva configurações.</translation>
        </message>
        <message>
            <source>保存文件夹在根文件夹之外，未保存：%1</source>
            <translation>A pasta de salvamento está fora da pasta raiz; nada foi salvo: %1</translation>
        </message>
        <message>
            <source>设置无法保存：%1</source>
            <translation>Não é possível salvar as configurações: %1</translation>
        </message>
        <message>
            <source>无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。请检查该文件夹的权限和剩余空间。</source>
            <translation>Não é possível salvar as configurações em %1. As alterações (calibrações incluídas) não são salvas por enquanto; o programa continua tentando. Verifique as permissões da pasta e o espaço livre.</translation>
        </message>
        <message>
            <source>定时录像已停止：%1</source>
            <translation>Gravação programada interrompida: %1</translation>
        </message>
        <message>
            <source>录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。</source>
            <translation>Clipe incompleto, não contado: %1 tem apenas %2 de %3 quadros.</translation>
        </message>
        <message>
            <source>四画面中不能录像，请先切换到单画面。</source>
            <translation>Não é possível gravar na visualização de quatro quadros; mude primeiro para a visualização única.</translation>
        </message>
        <message>
            <source>设置未能保存到 %1，本次的更改已丢失。</source>
            <translation>Não foi possível salvar as configurações em %1; as alterações desta sessão foram perdidas.</translation>
        </message>
        <message>
            <source>%1 已 %2 秒没有画面</source>
            <translation>Sem imagem de %1 há %2 s</translation>
        </message>
        <message>
            <source>录像意外停止，原因不明。</source>
            <translation>A gravação parou inesperadamente, por motivo desconhecido.</translation>
        </message>
        <message>
            <source>录像已停止：%1</source>
            <translation>A gravação parou: %1</translation>
        </message>
        <message>
            <source>%1 的大部分画面无法解码</source>
            <translation>A maioria das imagens de %1 não pode ser decodificada</translation>
        </message>
        <message>
            <source>录像继续，以最后的画面补齐</source>
            <translation>A gravação continua, preenchida com a última imagem</translation>
        </message>
    </context>
    <context>
        <name>VistrelClass</name>
        <message>
            <source>拍照</source>
            <translation>Foto</translation>
        </message>
        <message>
            <source>录像</source>
            <translation>Vídeo</translation>
        </message>
        <message>
            <source>定时拍摄</source>
            <translation>Captura programada</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Tela cheia</translation>
        </message>
        <message>
            <source>屏幕切换</source>
            <translation>Alternar visualização</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Zoom</translation>
        </message>
        <message>
            <source>设置</source>
            <translation>Configurações</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>测量</source>
            <translation>Medir</translation>
        </message>
        <message>
            <source>浏览文件</source>
            <translation>Procurar arquivos</translation>
        </message>
        <message>
            <source>设备:</source>
            <translation>Dispositivo:</translation>
        </message>
        <message>
            <source>格式:</source>
            <translation>Formato:</translation>
        </message>
        <message>
            <source>分辨率:</source>
            <translation>Resolução:</translation>
        </message>
        <message>
            <source>照片:</source>
            <translation>Foto:</translation>
        </message>
        <message>
            <source>录像:</source>
            <translation>Vídeo:</translation>
        </message>
        <message>
            <source>曝光与增益</source>
            <translation>Exposição e ganho</translation>
        </message>
        <message>
            <source>颜色调整</source>
            <translation>Ajuste de cor</translation>
        </message>
        <message>
            <source>白平衡</source>
            <translation>Balanço de branco</translation>
        </message>
        <message>
            <source>翻转</source>
            <translation>Inverter</translation>
        </message>
        <message>
            <source>恢复默认参数</source>
            <translation>Restaurar padrões</translation>
        </message>
        <message>
            <source>高级设置</source>
            <translation>Configurações avançadas</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Arquivo</translation>
        </message>
        <message>
            <source>选项</source>
            <translation>Opções</translation>
        </message>
        <message>
            <source>时间/日期</source>
            <translation>Data/hora</translation>
        </message>
        <message>
            <source>十字线</source>
            <translation>Retícula</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Idioma</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Ajuda</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Sair</translation>
        </message>
        <message>
            <source>关于</source>
            <translation>Sobre</translation>
        </message>
        <message>
            <source>定时设置</source>
            <translation>Configurações do temporizador</translation>
        </message>
        <message>
            <source>导入</source>
            <translation>Importar</translation>
        </message>
        <message>
            <source>分辨率</source>
            <translation>Resolução</translation>
        </message>
        <message>
            <source>开</source>
            <translation>Ligado</translation>
        </message>
        <message>
            <source>关</source>
            <translation>Desligado</translation>
        </message>
        <message>
            <source>相片储存路径</source>
            <translation>Pasta de fotos</translation>
        </message>
        <message>
            <source>录像储存路径</source>
            <translation>Pasta de vídeos</translation>
        </message>
        <message>
            <source>打印</source>
            <translation>Imprimir</translation>
        </message>
        <message>
            <source>请先选择并打开需要保存的路径文件夹 - 软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”</source>
            <translation>Primeiro selecione e abra a pasta de destino: no canto superior direito, “Procurar arquivos” → “Foto” → “image” ou “Procurar arquivos” → “Vídeo” → “movie”.</translation>
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
            <translation>Exposição automática</translation>
        </message>
        <message>
            <source>曝光时间</source>
            <translation>Tempo de exposição</translation>
        </message>
        <message>
            <source>增益</source>
            <translation>Ganho</translation>
        </message>
        <message>
            <source>亮度</source>
            <translation>Brilho</translation>
        </message>
        <message>
            <source>对比度</source>
            <translation>Contraste</translation>
        </message>
        <message>
            <source>饱和度</source>
            <translation>Saturação</translation>
        </message>
        <message>
            <source>色相</source>
            <translation>Matiz</translation>
        </message>
        <message>
            <source>伽马值</source>
            <translation>Gama</translation>
        </message>
        <message>
            <source>锐度</source>
            <translation>Nitidez</translation>
        </message>
        <message>
            <source>黑白</source>
            <translation>Preto e branco</translation>
        </message>
        <message>
            <source>自动白平衡</source>
            <translation>Balanço de branco automático</translation>
        </message>
        <message>
            <source>色温</source>
            <translation>Temperatura de cor</translation>
        </message>
        <message>
            <source>红增益</source>
            <translation>Ganho de vermelho</translation>
        </message>
        <message>
            <source>绿增益</source>
            <translation>Ganho de verde</translation>
        </message>
        <message>
            <source>蓝增益</source>
            <translation>Ganho de azul</translation>
        </message>
        <message>
            <source>水平翻转</source>
            <translation>Inverter horizontalmente</translation>
        </message>
        <message>
            <source>垂直翻转</source>
            <translation>Inverter verticalmente</translation>
        </message>
        <message>
            <source>比例尺</source>
            <translation>Barra de escala</translation>
        </message>
        <message>
            <source>摄像头驱动准许的帧率</source>
            <translation>Taxa de quadros concedida pelo driver da câmera</translation>
        </message>
        <message>
            <source>对焦</source>
            <translation>Foco</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>程序异常，请联系工程师</source>
            <translation>Ocorreu um erro inesperado. Entre em contato com um técnico.</translation>
        </message>
    </context>
    <context>
        <name>report</name>
        <message>
            <source>测量报告</source>
            <translation>Relatório de medição</translation>
        </message>
        <message>
            <source>无</source>
            <translation>Nenhum</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Arquivo</translation>
        </message>
        <message>
            <source>日期</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>相机</source>
            <translation>Câmera</translation>
        </message>
        <message>
            <source>图片尺寸</source>
            <translation>Tamanho da imagem</translation>
        </message>
        <message>
            <source>标定</source>
            <translation>Calibração</translation>
        </message>
        <message>
            <source>未标定</source>
            <translation>Não calibrado</translation>
        </message>
        <message>
            <source>标定系数</source>
            <translation>Fator de calibração</translation>
        </message>
        <message>
            <source>标定时的图片尺寸</source>
            <translation>Tamanho da imagem na calibração</translation>
        </message>
        <message>
            <source>标定所用相机</source>
            <translation>Câmera da calibração</translation>
        </message>
        <message>
            <source>测量结果</source>
            <translation>Resultados</translation>
        </message>
        <message>
            <source>序号</source>
            <translation>Nº</translation>
        </message>
        <message>
            <source>工具</source>
            <translation>Ferramenta</translation>
        </message>
        <message>
            <source>名称</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>数值</source>
            <translation>Valor</translation>
        </message>
        <message>
            <source>单位</source>
            <translation>Unidade</translation>
        </message>
        <message>
            <source>像素值</source>
            <translation>Pixels</translation>
        </message>
        <message>
            <source>没有测量</source>
            <translation>Nenhuma medição</translation>
        </message>
        <message>
            <source>续下页</source>
            <translation>Continua na próxima página</translation>
        </message>
        <message>
            <source>导出报告…</source>
            <translation>Exportar relatório…</translation>
        </message>
        <message>
            <source>导出报告</source>
            <translation>Exportar relatório</translation>
        </message>
        <message>
            <source>PDF 文件 (*.pdf)</source>
            <translation>Arquivos PDF (*.pdf)</translation>
        </message>
        <message>
            <source>无法写入报告：%1</source>
            <translation>Não foi possível gravar o relatório: %1</translation>
        </message>
    </context>
</TS>
