<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh-cn">
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
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?
(Changes will be lost if you didn&apos;t save them).</source>
        <translation>Lumeno3D 将关闭以安装新版本。
是否关闭 Lumeno3D 并进行更新？
（未保存的更改将会丢失。）</translation>
    </message>
    <message>
        <source>Lumeno3D %1 is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation type="unfinished"></translation>
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
        <source>You have changed the language used to display Lumeno3D user interface 

This change will not take effect until you restart Lumeno3D</source>
        <translation>您已更改 Lumeno3D 用户界面的显示语言。

此更改将在重新启动 Lumeno3D 后生效。</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished">首选项</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>无法应用这些尺寸：每个尺寸都必须大于 0，且缩放后的模型必须保持在模型文件可容纳的坐标范围内。</translation>
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
    <name>FileSize</name>
    <message>
        <source>%1 kB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Lumeno3D Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ or PLY file. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level&apos;s button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY or OBJ. Snapshot saves both views as PNG images.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished">首选项</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation type="unfinished"></translation>
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
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>正在平滑...</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>All files (*.stl *.obj *.ply);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>所有文件 (*.stl *.obj *.ply);;STL 文件 (*.stl);; PLY 文件 (*.ply);; OBJ 文件 (*.obj)</translation>
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
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>此文件似乎已损坏，无法加载。</translation>
    </message>
    <message>
        <source>Opening file...</source>
        <translation>正在打开文件...</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>保存模型</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>STL 文件 (*.stl);; PLY 文件 (*.ply);; OBJ 文件 (*.obj)</translation>
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
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error bound 0.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, 0.1 of the bounding box diagonal, allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error bound 0.01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, 0.01 of the bounding box diagonal, allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error bound 0.001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, 0.001 of the bounding box diagonal, allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lumeno3D opens STL, OBJ and PLY files: choose a file whose name ends in .stl, .obj or .ply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ or PLY file, or export it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation type="unfinished"></translation>
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
        <source>%1 was not saved: a model can be saved as an STL, PLY or OBJ file only.</source>
        <translation>%1 未保存：模型只能保存为 STL、PLY 或 OBJ 文件。</translation>
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
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>变换</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>比例</translation>
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
</context>
</TS>
