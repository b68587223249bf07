<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh-cn">
<context>
    <name>DecimationLevels</name>
    <message>
        <source>Decimating 90%...</source>
        <translation>正在简化至 90%...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>正在简化至 80%...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>正在简化至 70%...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>正在简化至 60%...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>正在简化至 50%...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>正在简化至 40%...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>正在简化至 30%...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>正在简化至 20%...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>正在简化至 10%...</translation>
    </message>
</context>
<context>
    <name>DeviationPicture</name>
    <message>
        <source>Deviation, % of the diagonal</source>
        <translation>偏差，对角线的 %</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Deviation here: %1 % of the diagonal</source>
        <translation>此处偏差：对角线的 %1%</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>详细信息</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>关于 Qt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>新版本已下载！</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>安装新版本(&amp;I)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Lumeno3D %1 is available.</source>
        <translation>Lumeno3D %1 现已发布。</translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation>打开下载页面(&amp;O)</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</source>
        <translation>Lumeno3D 将关闭以安装新版本。
是否关闭 Lumeno3D 并进行更新？</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>图形选项</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>模型颜色</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>顶部</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底部</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>启动时检查更新</translation>
    </message>
    <message>
        <source>Reduction method</source>
        <translation>简化方法</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>质量</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</source>
        <translation>您已更改 Lumeno3D 用户界面的显示语言。

此更改将在重新启动 Lumeno3D 后生效。</translation>
    </message>
    <message>
        <source>Ask before saving a file that cannot hold all the model carries</source>
        <translation>保存到无法容纳模型全部内容的文件前询问</translation>
    </message>
    <message>
        <source>Up axis in the first view of a model</source>
        <translation>模型初始视图中的向上轴</translation>
    </message>
    <message>
        <source>Automatic: Z for 3MF and printer parts, else Y</source>
        <translation>自动：3MF 和打印零件为 Z，其他为 Y</translation>
    </message>
    <message>
        <source>Y up</source>
        <translation>Y 向上</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z 向上</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>无法应用这些尺寸：每个尺寸都必须大于 0，且缩放后的模型必须保持在模型文件可容纳的坐标范围内。</translation>
    </message>
    <message>
        <source>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</source>
        <translation>保持比例：沿一个轴设置新尺寸时，三个轴会等比缩放。单击可分别设置每个轴的尺寸。</translation>
    </message>
    <message>
        <source>Each axis is sized on its own. Click to keep the proportions.</source>
        <translation>每个轴的尺寸分别设置。单击可保持比例。</translation>
    </message>
    <message>
        <source>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</source>
        <translation>无法应用此旋转：旋转后的模型将超出模型文件可容纳的坐标范围。请选择其他角度或更小的尺寸。</translation>
    </message>
    <message>
        <source>Size (%1)</source>
        <translation>尺寸 (%1)</translation>
    </message>
    <message>
        <source>The scale factor along %1: the size set divided by the model&apos;s own size</source>
        <translation>沿 %1 的缩放系数：设定的尺寸除以模型自身的尺寸</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>正在下载新版本...</translation>
    </message>
</context>
<context>
    <name>DualView</name>
    <message>
        <source>With %1</source>
        <translation>带有%1</translation>
    </message>
    <message numerus="yes">
        <source>%n parts</source>
        <translation>
            <numerusform>%n 个部件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts: %1</source>
        <translation>
            <numerusform>%n 个部件：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n 种材质</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials: %1</source>
        <translation>
            <numerusform>%n 种材质：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn simplified to %1 triangles to fit into memory</source>
        <translation>为适应内存，简化为 %1 个三角形显示</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>%1 kB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Lumeno3D Help</source>
        <translation>Lumeno3D 帮助</translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation>Lumeno3D 让三角网格更轻量：在保持模型形状的同时减少其三角形数量，并保存结果。</translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation>打开模型</translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation>简化</translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level&apos;s button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation>模型一经加载，Lumeno3D 就会计算九个级别，分别保留其三角形的 90% 至 10%；每个级别的按钮上显示其文件大小。您也可以将模型简化到自定义的百分比，或在与原形状的最大偏差允许的范围内尽量简化。</translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation>平滑与变换</translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation>“平滑”使右侧模型的表面更加均匀。“变换”可缩放和旋转模型；在您确认之前，两个视图都会显示更改效果。</translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation>用鼠标左键旋转模型，用中键移动模型，用滚轮缩放；右侧视图跟随左侧视图。底部的按钮可在表面、点和线框之间切换，使模型适合视图，并从前方、侧面、顶部或以透视方式显示模型。</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation>选择界面语言、模型颜色和背景颜色。新语言将在下次启动时生效。</translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation>此页面的最新版本位于网上：</translation>
    </message>
    <message>
        <source>You can also drop a model file on the window.</source>
        <translation>也可以把模型文件拖放到窗口上。</translation>
    </message>
    <message>
        <source>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</source>
        <translation>“编辑”菜单中的“撤销”和“重做”可以撤回和重复变换与平滑。当“新建”、“打开”或关闭会丢弃尚未保存的更改时，Lumeno3D 会先询问。</translation>
    </message>
    <message>
        <source>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</source>
        <translation>启动时检查更新：每次启动时，Lumeno3D 会向其网站查询是否有新版本，有新版本时会通知你。</translation>
    </message>
    <message>
        <source>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</source>
        <translation>简化方法：“质量”一次完成所有级别，与原形状的接近程度高出数倍；“经典”是早期版本的方法。</translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</source>
        <translation>“文件”菜单中的“另存为”将右侧显示的模型写入为 STL、PLY、OBJ、GLB、glTF、3MF 或 OFF 文件。PLY、GLB 和 glTF 会保留顶点颜色、法线和纹理坐标；glTF 文件自身包含其数据，旁边没有 .bin 文件。“快照”将两个视图保存为 PNG 图像。</translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation>在“文件”菜单中选择“打开”，然后选取 STL、OBJ、PLY、OFF、glTF（.gltf 或 .glb）或 3MF 文件。glTF、3MF 或 OBJ 文件中的部件仍保持为部件，各自位于文件指定的位置，并保留其材质和纹理。左侧视图显示加载时的模型，右侧视图显示简化后的模型。“文件”菜单中还会列出您最近打开的文件。</translation>
    </message>
    <message>
        <source>Show deviation in the View menu colours the reduced model by each point&apos;s distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</source>
        <translation>“视图”菜单中的“显示偏差”按每个点到已加载模型的距离为简化后的模型着色，从蓝色（无）到深红色（最大）；图例给出刻度，鼠标指针给出其下方的值。</translation>
    </message>
    <message>
        <source>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</source>
        <translation>“将级别保存为一个文件”将模型及其九个级别作为细节级别写入一个 GLB 文件，游戏引擎和 Web 引擎可以读取。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Lumeno3D</source>
        <translation>Lumeno3D</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>主工具栏</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>按百分比简化</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>按误差简化</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>底部工具栏</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>创建快照</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>变换</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>显示模式</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Front view</source>
        <translation>前视图</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>侧视图</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>俯视图</translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation>透视图</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>退出 Lumeno3D</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>文件 </translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation> 不存在。</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>打开文件时出错：</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>保存模型</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
是否替换？</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>PNG 文件 (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>保存快照</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>无法对图像进行编码。</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>无法将快照保存到 %1。
%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>首选项(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>帮助内容(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation>自定义百分比...</translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation>按您输入的百分比保留三角形</translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation>自定义误差上限...</translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation>在您输入的误差上限（以包围盒对角线的比例表示）允许的范围内删除三角形</translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation>过滤器的误差上限（以包围盒对角线的比例表示）：</translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation>要保留的三角形百分比（%1 到 %2）：</translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation>无法保留 %1% 的三角形：请输入 %2 到 %3 之间的百分比。所显示的模型保持不变。</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation>已将其从最近文件列表中移除。</translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation>如果文件已被移动或重命名，请从新位置打开它。</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation>Lumeno3D 中未加载任何模型。</translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation>请先打开一个模型。</translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation>请选择其他名称或文件夹，然后重新保存。</translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation>最大偏差 %1 %，平均 %2 %</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation>如不保存，对模型的变换或平滑将会丢失。</translation>
    </message>
    <message>
        <source>One model is open at a time: only %1 was opened.</source>
        <translation>一次只能打开一个模型：仅打开了 %1。</translation>
    </message>
    <message>
        <source>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</source>
        <translation>所有模型 (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL 文件 (*.stl);; PLY 文件 (*.ply);; OBJ 文件 (*.obj);; OFF 文件 (*.off);; glTF 文件 (*.gltf *.glb);; 3MF 文件 (*.3mf)</translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</source>
        <translation>请检查它是否为完整的 STL、OBJ、PLY、OFF、glTF、GLB 或 3MF 文件，或重新导出。</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</source>
        <translation>STL 文件 (*.stl);; PLY 文件 (*.ply);; OBJ 文件 (*.obj);; GLB 文件 (*.glb);; glTF 文件 (*.gltf);; 3MF 文件 (*.3mf);; OFF 文件 (*.off)</translation>
    </message>
    <message>
        <source>Error bound %1</source>
        <translation>误差上限 %1</translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, %1 of the bounding box diagonal, allows</source>
        <translation>在过滤器误差上限（包围盒对角线的 %1）允许的范围内删除三角形</translation>
    </message>
    <message>
        <source>%1 cannot hold all that this model carries. Not saved:</source>
        <translation>%1 无法容纳此模型的全部内容。不会保存：</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>仍然保存</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>不再询问</translation>
    </message>
    <message>
        <source>The question can be turned on again in the Preferences.</source>
        <translation>可在首选项中重新开启此询问。</translation>
    </message>
    <message>
        <source>The %1% level was not made: click to make the missing levels.</source>
        <translation>尚未生成 %1% 级别：点击以生成缺少的级别。</translation>
    </message>
    <message>
        <source>Open a model with %1 &gt; %2 (%3)</source>
        <translation>用 %1 &gt; %2 (%3) 打开模型</translation>
    </message>
    <message>
        <source>or drop a model file here</source>
        <translation>或将模型文件拖放到此处</translation>
    </message>
    <message>
        <source>(STL, OBJ, PLY, OFF, glTF or 3MF).</source>
        <translation>（STL、OBJ、PLY、OFF、glTF 或 3MF）。</translation>
    </message>
    <message>
        <source>The files opened last are at the end of the %1 menu.</source>
        <translation>最近打开的文件位于 %1 菜单的末尾。</translation>
    </message>
    <message>
        <source>The reduced model appears here.</source>
        <translation>简化后的模型显示在这里。</translation>
    </message>
    <message>
        <source>Save parts as one &amp;model</source>
        <translation>将部件保存为一个模型(&amp;M)</translation>
    </message>
    <message>
        <source>Saves the parts of a model of several parts as one part, as they are drawn</source>
        <translation>将多部件模型的部件按绘制的样子保存为一个部件</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Save &amp;levels as one file...</source>
        <translation>将级别保存为一个文件(&amp;L)...</translation>
    </message>
    <message>
        <source>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</source>
        <translation>将模型及其九个级别作为细节级别保存到一个 GLB 文件中，游戏引擎和 Web 引擎可以读取</translation>
    </message>
    <message>
        <source>Show &amp;deviation</source>
        <translation>显示偏差(&amp;D)</translation>
    </message>
    <message>
        <source>Colour the reduced model by each point&apos;s distance to the loaded model</source>
        <translation>按每个点到已加载模型的距离为简化后的模型着色</translation>
    </message>
    <message>
        <source>Save levels as one file</source>
        <translation>将级别保存为一个文件</translation>
    </message>
    <message>
        <source>GLB file (*.glb)</source>
        <translation>GLB 文件 (*.glb)</translation>
    </message>
</context>
<context>
    <name>ModelDocument</name>
    <message>
        <source>Opening file...</source>
        <translation>正在打开文件...</translation>
    </message>
    <message>
        <source>%1 polygons without area could not be made into triangles and were left out.</source>
        <translation>%1 个无面积的多边形无法转换为三角形，已略去。</translation>
    </message>
    <message>
        <source>Opening cancelled. The right view still shows %1.</source>
        <translation>已取消打开。右侧视图仍显示 %1。</translation>
    </message>
    <message>
        <source>Opening cancelled.</source>
        <translation>已取消打开。</translation>
    </message>
    <message>
        <source>Cancelled. The right view now shows %1.</source>
        <translation>已取消。右侧视图现在显示 %1。</translation>
    </message>
    <message>
        <source>Cancelled. The right view still shows %1.</source>
        <translation>已取消。右侧视图仍显示 %1。</translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation>正在简化至 %1%...</translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation>正在简化至误差上限 %1...</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>正在平滑...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</source>
        <translation>已完成，但模型无法简化到这种程度：保留了 %1% 的三角形，而不是要求的 %2%。</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</source>
        <translation>已完成，但模型无法简化到这种程度：%1% 级别保留了 %2% 的三角形。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Saved to %1; %2</source>
        <translation>已保存到 %1；%2</translation>
    </message>
    <message>
        <source>Done, but %1% of the triangles are kept, fewer than the %2% asked.</source>
        <translation>已完成，但保留了 %1% 的三角形，少于要求的 %2%。</translation>
    </message>
    <message>
        <source>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</source>
        <translation>已完成，但 %1% 级别保留了 %2% 的三角形，少于要求。</translation>
    </message>
    <message>
        <source>Not enough memory for this operation: the right view still shows %1.</source>
        <translation>内存不足，无法执行此操作：右侧视图仍显示 %1。</translation>
    </message>
    <message>
        <source>Not enough memory for the %1% level: the levels above it are kept.</source>
        <translation>内存不足，无法生成 %1% 级别：其上的各级别已保留。</translation>
    </message>
    <message>
        <source>Making the levels again with the engine chosen: %1 of %2...</source>
        <translation>正在用所选引擎重新生成级别：%1 / %2...</translation>
    </message>
    <message>
        <source>Making the levels: %1 of %2...</source>
        <translation>正在生成级别：%1 / %2...</translation>
    </message>
    <message>
        <source>The button of a level not made makes the missing levels.</source>
        <translation>点击未生成级别的按钮即可生成缺少的级别。</translation>
    </message>
    <message>
        <source>Saving to %1...</source>
        <translation>正在保存到 %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</source>
        <translation>
            <numerusform>%n 个纹理无法作为图像读取：%1。其材质以纯色绘制。</numerusform>
        </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完成。</translation>
    </message>
    <message>
        <source>To reach the triangle count, borders and texture seams were allowed to move off their lines.</source>
        <translation>为达到三角形数量，允许边界和纹理接缝偏离其线条。</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>This file doesn&apos;t exist.</source>
        <translation>此文件不存在。</translation>
    </message>
    <message>
        <source>This is a folder, not a model file.</source>
        <translation>这是一个文件夹，不是模型文件。</translation>
    </message>
    <message>
        <source>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</source>
        <translation>这不是磁盘上的文件，而是管道、设备或套接字：Lumeno3D 只能打开模型文件。</translation>
    </message>
    <message>
        <source>This file is empty: it holds no model.</source>
        <translation>此文件为空：其中没有模型。</translation>
    </message>
    <message>
        <source>This file cannot be read: %1.</source>
        <translation>无法读取此文件：%1。</translation>
    </message>
    <message>
        <source>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</source>
        <translation>此文件在读取期间发生了更改；可能有其他程序仍在写入该文件。请在文件完整后重新打开。</translation>
    </message>
    <message>
        <source>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</source>
        <translation>Lumeno3D 无法将此文件的工作副本存储到临时文件夹 %1 中；该文件夹可能已满。</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>此文件似乎已损坏，无法加载。</translation>
    </message>
    <message>
        <source>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</source>
        <translation>此文件不含有面积的三角形，只有点或线（例如点云）：Lumeno3D 用于简化三角网格。</translation>
    </message>
    <message>
        <source>All points of this model lie at one place: it has no surface to show or reduce.</source>
        <translation>此模型的所有点都位于同一位置：没有可显示或简化的表面。</translation>
    </message>
    <message>
        <source>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</source>
        <translation>Lumeno3D 可读取 STL、OBJ、PLY、OFF、glTF、GLB 和 3MF 文件：请选择名称以 .stl、.obj、.ply、.off、.gltf、.glb 或 .3mf 结尾的文件。</translation>
    </message>
    <message>
        <source>The file %1, which holds this model&apos;s data, is missing beside it or cannot be read: copy it into the same folder.</source>
        <translation>存放此模型数据的文件 %1 不在模型文件旁边或无法读取：请将其复制到同一文件夹中。</translation>
    </message>
    <message>
        <source>This file needs %1, which Lumeno3D cannot read: export it again without it.</source>
        <translation>此文件需要 %1，而 Lumeno3D 无法读取：请在不使用它的情况下重新导出。</translation>
    </message>
    <message numerus="yes">
        <source>%n parts were merged into one model.</source>
        <translation>
            <numerusform>%n 个部件已合并为一个模型。</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s materials and textures are not kept: they are not saved with the model.</source>
        <translation>此文件的材质和纹理不会保留：它们不会随模型一起保存。</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of points or lines were left out: they have no triangles.</source>
        <translation>
            <numerusform>已略去 %n 组点或线：它们没有三角形。</numerusform>
        </translation>
    </message>
    <message>
        <source>The colours of this file&apos;s faces are left out: Lumeno3D keeps vertex colours only.</source>
        <translation>此文件的面颜色已略去：Lumeno3D 只保留顶点颜色。</translation>
    </message>
    <message>
        <source>JSON nested %1 levels deep</source>
        <translation>嵌套 %1 层的 JSON</translation>
    </message>
    <message>
        <source>nodes nested %1 levels deep</source>
        <translation>嵌套 %1 层的节点</translation>
    </message>
    <message>
        <source>%1 placed nodes</source>
        <translation>%1 个放置的节点</translation>
    </message>
    <message>
        <source>%1 placed parts</source>
        <translation>%1 个放置的部件</translation>
    </message>
    <message>
        <source>%1 points or triangles in all its parts</source>
        <translation>所有部件共 %1 个点或三角形</translation>
    </message>
    <message>
        <source>This file is larger than the %1 Lumeno3D reads.</source>
        <translation>此文件大于 Lumeno3D 可读取的 %1。</translation>
    </message>
    <message>
        <source>There is not enough memory for reading this file: close other programs and open it again.</source>
        <translation>内存不足，无法读取此文件：请关闭其他程序后重新打开。</translation>
    </message>
    <message>
        <source>This file holds more than Lumeno3D reads: %1.</source>
        <translation>此文件的内容超出了 Lumeno3D 的读取上限：%1。</translation>
    </message>
    <message>
        <source>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</source>
        <translation>不支持 glTF 1.0；Lumeno3D 读取的是 glTF 2.0。</translation>
    </message>
    <message>
        <source>This glTF file holds no meshes: there is no surface to show or reduce.</source>
        <translation>此 glTF 文件不含网格：没有可显示或简化的表面。</translation>
    </message>
    <message>
        <source>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</source>
        <translation>此文件只有点，没有三角形：Lumeno3D 用于简化三角网格。</translation>
    </message>
    <message>
        <source>This 3MF file places no object on its build plate: it has no build items.</source>
        <translation>此 3MF 文件未在构建平台上放置任何对象：它没有构建项。</translation>
    </message>
    <message>
        <source>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</source>
        <translation>此文件引用了 %1，但它不是此文件所在文件夹中的文件：Lumeno3D 只读取模型旁边的文件。</translation>
    </message>
    <message>
        <source>This file&apos;s %1 are left out: only some of its parts or faces carry them.</source>
        <translation>此文件的%1已略去：只有部分部件或面带有这些数据。</translation>
    </message>
    <message>
        <source>This file gives its sizes in the unit &quot;%1&quot;; they were converted to millimetres.</source>
        <translation>此文件以“%1”为尺寸单位；已换算为毫米。</translation>
    </message>
    <message>
        <source>%1 vertices or face corners</source>
        <translation>%1 个顶点或面角点</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot;</source>
        <translation>单位“%1”</translation>
    </message>
    <message>
        <source>components nested more than %1 deep</source>
        <translation>嵌套超过 %1 层的组件</translation>
    </message>
    <message>
        <source>more than %1 placed objects</source>
        <translation>超过 %1 个放置的对象</translation>
    </message>
    <message>
        <source>more than %1 MiB of text without a tag</source>
        <translation>超过 %1 MiB 的无标签文本</translation>
    </message>
    <message>
        <source>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</source>
        <translation>此模型旁缺少或位于其文件夹之外的材质库：%1。其材质以纯色显示。</translation>
    </message>
    <message>
        <source>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</source>
        <translation>此模型旁缺少、位于其文件夹之外或无法读取的纹理：%1。其材质以各自的纯色显示。</translation>
    </message>
    <message>
        <source>%1 materials or %2 groups</source>
        <translation>%1 种材质或 %2 个组</translation>
    </message>
    <message>
        <source>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</source>
        <translation>这个约 %1 个三角形的模型需要约 %2 内存才能打开并生成级别，但只有 %3 可用：请关闭其他程序，或在内存更大的计算机上打开。</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>无法将模型保存到 %1。
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>无法在同一位置创建临时文件。</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>写入文件失败。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>不是常规文件。</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>没有可保存的模型。</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>该文件受写保护。</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>该模型没有三角形。</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>该模型的坐标中有非有限数值。</translation>
    </message>
    <message>
        <source>%1 are not saved: STL files hold the triangles only.</source>
        <translation>%1未保存：STL 文件只能保存三角形。</translation>
    </message>
    <message>
        <source>%1 are not saved: OBJ files hold normals and texture coordinates only.</source>
        <translation>%1未保存：OBJ 文件只能保存法线和纹理坐标。</translation>
    </message>
    <message>
        <source>%1 are not saved: OFF files hold vertex colours only.</source>
        <translation>%1未保存：OFF 文件只能保存顶点颜色。</translation>
    </message>
    <message>
        <source>%1 are not saved: 3MF files hold vertex colours only.</source>
        <translation>%1未保存：3MF 文件只能保存顶点颜色。</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</source>
        <translation>%1 未保存：模型只能保存为 STL、PLY、OBJ、GLB、glTF、3MF 或 OFF 文件。</translation>
    </message>
    <message>
        <source>There is not enough memory for writing it: close other programs and save again.</source>
        <translation>内存不足，无法写入：请关闭其他程序后重新保存。</translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n 种材质</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n textures</source>
        <translation>
            <numerusform>%n 个纹理</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n 个部件，保存为一个模型</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</source>
        <translation>未保存：%1。3MF 文件只保存带纹理坐标的模型的基础颜色纹理。</translation>
    </message>
    <message>
        <source>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</source>
        <translation>未保存：%1。glTF 文件只保存 PNG 和 JPEG 图像，缺失的图像无法保存。</translation>
    </message>
    <message>
        <source>not saved: %1. %2 files hold no materials, textures or parts.</source>
        <translation>未保存：%1。%2 文件不保存材质、纹理或部件。</translation>
    </message>
    <message>
        <source>%1 was not saved: the levels are saved in one file as GLB only.</source>
        <translation>%1 未保存：合为一个文件的级别只能保存为 GLB。</translation>
    </message>
</context>
<context>
    <name>PointAttributes</name>
    <message>
        <source>vertex colours</source>
        <translation>顶点颜色</translation>
    </message>
    <message>
        <source>normals</source>
        <translation>法线</translation>
    </message>
    <message>
        <source>texture coordinates</source>
        <translation>纹理坐标</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>SaveLoss</name>
    <message>
        <source>materials and textures</source>
        <translation>材质和纹理</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n 个部件，保存为一个模型</numerusform>
        </translation>
    </message>
    <message>
        <source>The materials and parts that reading the file could not keep are not in the model.</source>
        <translation>读取文件时未能保留的材质和部件不在模型中。</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>变换</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Z:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
</context>
</TS>
