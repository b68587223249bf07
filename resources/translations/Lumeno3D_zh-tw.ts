<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh-tw">
<context>
    <name>DecimationLevels</name>
    <message>
        <source>Decimating 90%...</source>
        <translation>正在簡化至 90%...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>正在簡化至 80%...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>正在簡化至 70%...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>正在簡化至 60%...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>正在簡化至 50%...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>正在簡化至 40%...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>正在簡化至 30%...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>正在簡化至 20%...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>正在簡化至 10%...</translation>
    </message>
</context>
<context>
    <name>DeviationPicture</name>
    <message>
        <source>Deviation, % of the diagonal</source>
        <translation>偏差，對角線的 %</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Deviation here: %1 % of the diagonal</source>
        <translation>此處偏差：對角線的 %1%</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>詳細資訊</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>關於 Qt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>已下載新版本！</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>安裝新版本(&amp;I)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Lumeno3D %1 is available.</source>
        <translation>Lumeno3D %1 現已推出。</translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation>開啟下載頁面(&amp;O)</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</source>
        <translation>Lumeno3D 即將關閉以安裝新版本。
要關閉 Lumeno3D 並進行更新嗎？</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>圖形選項</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>模型色彩</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景色彩</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上方</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下方</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>還原預設值</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>啟動時檢查更新</translation>
    </message>
    <message>
        <source>Reduction method</source>
        <translation>簡化方法</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>品質</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>經典</translation>
    </message>
    <message>
        <source>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</source>
        <translation>您已變更 Lumeno3D 使用者介面的顯示語言。

此變更將在重新啟動 Lumeno3D 後生效。</translation>
    </message>
    <message>
        <source>Ask before saving a file that cannot hold all the model carries</source>
        <translation>儲存到無法容納模型全部內容的檔案前詢問</translation>
    </message>
    <message>
        <source>Up axis in the first view of a model</source>
        <translation>模型初始檢視中的向上軸</translation>
    </message>
    <message>
        <source>Automatic: Z for 3MF and printer parts, else Y</source>
        <translation>自動：3MF 和列印零件為 Z，其他為 Y</translation>
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
        <translation>無法套用這些尺寸：每個尺寸都必須大於 0，且縮放後的模型必須保持在模型檔案可容納的座標範圍內。</translation>
    </message>
    <message>
        <source>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</source>
        <translation>保持比例：沿一個軸設定新尺寸時，三個軸會等比縮放。按一下可分別設定每個軸的尺寸。</translation>
    </message>
    <message>
        <source>Each axis is sized on its own. Click to keep the proportions.</source>
        <translation>每個軸的尺寸分別設定。按一下可保持比例。</translation>
    </message>
    <message>
        <source>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</source>
        <translation>無法套用此旋轉：旋轉後的模型將超出模型檔案可容納的座標範圍。請選擇其他角度或較小的尺寸。</translation>
    </message>
    <message>
        <source>Size (%1)</source>
        <translation>尺寸 (%1)</translation>
    </message>
    <message>
        <source>The scale factor along %1: the size set divided by the model&apos;s own size</source>
        <translation>沿 %1 的縮放係數：設定的尺寸除以模型本身的尺寸</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>正在下載新版本...</translation>
    </message>
</context>
<context>
    <name>DualView</name>
    <message>
        <source>With %1</source>
        <translation>帶有%1</translation>
    </message>
    <message numerus="yes">
        <source>%n parts</source>
        <translation>
            <numerusform>%n 個部件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts: %1</source>
        <translation>
            <numerusform>%n 個部件：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n 種材質</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials: %1</source>
        <translation>
            <numerusform>%n 種材質：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn simplified to %1 triangles to fit into memory</source>
        <translation>為適應記憶體，簡化為 %1 個三角形顯示</translation>
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
        <translation>Lumeno3D 說明</translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation>Lumeno3D 讓三角網格更輕量：在保持模型形狀的同時減少三角形數量，並儲存結果。</translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation>開啟模型</translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation>簡化</translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level&apos;s button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation>模型一經載入，Lumeno3D 就會計算九個層級，分別保留三角形的 90% 至 10%；每個層級的按鈕會顯示其檔案大小。您也可以將模型簡化至自訂的百分比，或在與原形狀的最大偏差允許的範圍內盡量簡化。</translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation>平滑化與變換</translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation>「平滑化」讓右側模型的表面更均勻。「變換」可縮放及旋轉模型；在您接受之前，兩個檢視都會顯示變更。</translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation>以滑鼠左鍵旋轉模型、以中鍵移動模型、以滾輪縮放；右側檢視會跟隨左側檢視。下方的按鈕可在表面、點與線框之間切換、讓模型符合檢視大小，以及從正面、側面、上方或以透視方式顯示模型。</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation>選擇介面語言、模型色彩與背景色彩。新語言會在下次啟動時生效。</translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation>此頁面的最新版本位於網路上：</translation>
    </message>
    <message>
        <source>You can also drop a model file on the window.</source>
        <translation>也可以將模型檔案拖放到視窗上。</translation>
    </message>
    <message>
        <source>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</source>
        <translation>「編輯」選單中的「復原」和「重做」可以撤回和重複變換與平滑化。當「新增」、「開啟」或關閉會捨棄尚未儲存的變更時，Lumeno3D 會先詢問。</translation>
    </message>
    <message>
        <source>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</source>
        <translation>啟動時檢查更新：每次啟動時，Lumeno3D 會向其網站查詢是否有新版本，有新版本時會通知您。</translation>
    </message>
    <message>
        <source>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</source>
        <translation>簡化方法：「品質」一次完成所有層級，與原形狀的接近程度高出數倍；「經典」是早期版本的方法。</translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</source>
        <translation>「檔案」功能表中的「另存新檔」會將右側顯示的模型寫入為 STL、PLY、OBJ、GLB、glTF、3MF 或 OFF 檔案。PLY、GLB 和 glTF 會保留頂點顏色、法線和紋理座標；glTF 檔案本身即包含其資料，旁邊沒有 .bin 檔案。「快照」會將兩個檢視儲存為 PNG 影像。</translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation>在「檔案」功能表中選擇「開啟」，然後選取 STL、OBJ、PLY、OFF、glTF（.gltf 或 .glb）或 3MF 檔案。glTF、3MF 或 OBJ 檔案中的部件仍保持為部件，各自位於檔案指定的位置，並保留其材質和紋理。左側檢視顯示載入時的模型，右側檢視顯示簡化後的模型。「檔案」功能表也會列出您最近開啟的檔案。</translation>
    </message>
    <message>
        <source>Show deviation in the View menu colours the reduced model by each point&apos;s distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</source>
        <translation>「檢視」功能表中的「顯示偏差」依每個點到已載入模型的距離為縮減後的模型著色，從藍色（無）到深紅色（最大）；圖例提供刻度，滑鼠指標提供其下方的值。</translation>
    </message>
    <message>
        <source>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</source>
        <translation>「將層級儲存為一個檔案」將模型及其九個層級作為細節層級寫入一個 GLB 檔案，遊戲引擎和網頁引擎可以讀取。</translation>
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
        <translation>主工具列</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>依百分比簡化</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>依誤差簡化</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>下方工具列</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>建立快照</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>變換</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>平滑化</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>色彩</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>顯示模式</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>縮放</translation>
    </message>
    <message>
        <source>Front view</source>
        <translation>前視圖</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>側視圖</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>上視圖</translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation>透視圖</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>結束(&amp;E)</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>結束 Lumeno3D</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>檔案 </translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation> 不存在。</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>開啟檔案時發生錯誤：</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>儲存模型</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已經存在。
要取代它嗎？</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>PNG 檔案 (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>儲存快照</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>無法將影像編碼。</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>無法將快照儲存至 %1。
%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新增(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開啟(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>另存新檔(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>偏好設定(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>說明內容(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation>自訂百分比...</translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation>依您輸入的百分比保留三角形</translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation>自訂誤差上限...</translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation>在您輸入的誤差上限（以邊界框對角線的比例表示）允許的範圍內移除三角形</translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation>篩選器的誤差上限（以邊界框對角線的比例表示）：</translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation>要保留的三角形百分比（%1 到 %2）：</translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation>無法保留 %1% 的三角形：請輸入 %2 到 %3 之間的百分比。顯示的模型維持不變。</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>平滑化</translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation>已將其從最近使用的檔案清單中移除。</translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation>如果檔案已移動或重新命名，請從新位置開啟。</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation>Lumeno3D 中尚未載入任何模型。</translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation>請先開啟模型。</translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation>請選擇其他名稱或資料夾，然後再儲存一次。</translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation>最大偏差 %1 %，平均 %2 %</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>要儲存對 %1 的變更嗎？</translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation>若不儲存，對模型所做的變換或平滑化將會遺失。</translation>
    </message>
    <message>
        <source>One model is open at a time: only %1 was opened.</source>
        <translation>一次只能開啟一個模型：僅開啟了 %1。</translation>
    </message>
    <message>
        <source>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</source>
        <translation>所有模型 (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL 檔案 (*.stl);; PLY 檔案 (*.ply);; OBJ 檔案 (*.obj);; OFF 檔案 (*.off);; glTF 檔案 (*.gltf *.glb);; 3MF 檔案 (*.3mf)</translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</source>
        <translation>請確認它是完整的 STL、OBJ、PLY、OFF、glTF、GLB 或 3MF 檔案，或重新匯出。</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</source>
        <translation>STL 檔案 (*.stl);; PLY 檔案 (*.ply);; OBJ 檔案 (*.obj);; GLB 檔案 (*.glb);; glTF 檔案 (*.gltf);; 3MF 檔案 (*.3mf);; OFF 檔案 (*.off)</translation>
    </message>
    <message>
        <source>Error bound %1</source>
        <translation>誤差上限 %1</translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, %1 of the bounding box diagonal, allows</source>
        <translation>在篩選器誤差上限（邊界框對角線的 %1）允許的範圍內移除三角形</translation>
    </message>
    <message>
        <source>%1 cannot hold all that this model carries. Not saved:</source>
        <translation>%1 無法容納此模型的全部內容。不會儲存：</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>仍然儲存</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>不再詢問</translation>
    </message>
    <message>
        <source>The question can be turned on again in the Preferences.</source>
        <translation>可在偏好設定中重新開啟此詢問。</translation>
    </message>
    <message>
        <source>The %1% level was not made: click to make the missing levels.</source>
        <translation>尚未產生 %1% 層級：按一下以產生缺少的層級。</translation>
    </message>
    <message>
        <source>Open a model with %1 &gt; %2 (%3)</source>
        <translation>以 %1 &gt; %2 (%3) 開啟模型</translation>
    </message>
    <message>
        <source>or drop a model file here</source>
        <translation>或將模型檔案拖放到這裡</translation>
    </message>
    <message>
        <source>(STL, OBJ, PLY, OFF, glTF or 3MF).</source>
        <translation>（STL、OBJ、PLY、OFF、glTF 或 3MF）。</translation>
    </message>
    <message>
        <source>The files opened last are at the end of the %1 menu.</source>
        <translation>最近開啟的檔案位於 %1 選單的最後。</translation>
    </message>
    <message>
        <source>The reduced model appears here.</source>
        <translation>簡化後的模型顯示在這裡。</translation>
    </message>
    <message>
        <source>Save parts as one &amp;model</source>
        <translation>將部件儲存為一個模型(&amp;M)</translation>
    </message>
    <message>
        <source>Saves the parts of a model of several parts as one part, as they are drawn</source>
        <translation>將多部件模型的部件按繪製的樣子儲存為一個部件</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>Save &amp;levels as one file...</source>
        <translation>將層級儲存為一個檔案(&amp;L)...</translation>
    </message>
    <message>
        <source>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</source>
        <translation>將模型及其九個層級作為細節層級儲存到一個 GLB 檔案中，遊戲引擎和網頁引擎可以讀取</translation>
    </message>
    <message>
        <source>Show &amp;deviation</source>
        <translation>顯示偏差(&amp;D)</translation>
    </message>
    <message>
        <source>Colour the reduced model by each point&apos;s distance to the loaded model</source>
        <translation>依每個點到已載入模型的距離為縮減後的模型著色</translation>
    </message>
    <message>
        <source>Save levels as one file</source>
        <translation>將層級儲存為一個檔案</translation>
    </message>
    <message>
        <source>GLB file (*.glb)</source>
        <translation>GLB 檔案 (*.glb)</translation>
    </message>
</context>
<context>
    <name>ModelDocument</name>
    <message>
        <source>Opening file...</source>
        <translation>正在開啟檔案...</translation>
    </message>
    <message>
        <source>%1 polygons without area could not be made into triangles and were left out.</source>
        <translation>%1 個無面積的多邊形無法轉換為三角形，已略去。</translation>
    </message>
    <message>
        <source>Opening cancelled. The right view still shows %1.</source>
        <translation>已取消開啟。右側檢視仍顯示 %1。</translation>
    </message>
    <message>
        <source>Opening cancelled.</source>
        <translation>已取消開啟。</translation>
    </message>
    <message>
        <source>Cancelled. The right view now shows %1.</source>
        <translation>已取消。右側檢視現在顯示 %1。</translation>
    </message>
    <message>
        <source>Cancelled. The right view still shows %1.</source>
        <translation>已取消。右側檢視仍顯示 %1。</translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation>正在簡化至 %1%...</translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation>正在簡化至誤差上限 %1...</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>正在平滑化...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已儲存至 %1</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</source>
        <translation>已完成，但模型無法簡化到這種程度：保留了 %1% 的三角形，而不是要求的 %2%。</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</source>
        <translation>已完成，但模型無法簡化到這種程度：%1% 層級保留了 %2% 的三角形。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Saved to %1; %2</source>
        <translation>已儲存到 %1；%2</translation>
    </message>
    <message>
        <source>Done, but %1% of the triangles are kept, fewer than the %2% asked.</source>
        <translation>已完成，但保留了 %1% 的三角形，少於要求的 %2%。</translation>
    </message>
    <message>
        <source>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</source>
        <translation>已完成，但 %1% 層級保留了 %2% 的三角形，少於要求。</translation>
    </message>
    <message>
        <source>Not enough memory for this operation: the right view still shows %1.</source>
        <translation>記憶體不足，無法執行此操作：右側檢視仍顯示 %1。</translation>
    </message>
    <message>
        <source>Not enough memory for the %1% level: the levels above it are kept.</source>
        <translation>記憶體不足，無法產生 %1% 層級：其上的各層級已保留。</translation>
    </message>
    <message>
        <source>Making the levels again with the engine chosen: %1 of %2...</source>
        <translation>正在以所選引擎重新產生層級：%1 / %2...</translation>
    </message>
    <message>
        <source>Making the levels: %1 of %2...</source>
        <translation>正在產生層級：%1 / %2...</translation>
    </message>
    <message>
        <source>The button of a level not made makes the missing levels.</source>
        <translation>按一下未產生層級的按鈕即可產生缺少的層級。</translation>
    </message>
    <message>
        <source>Saving to %1...</source>
        <translation>正在儲存到 %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</source>
        <translation>
            <numerusform>%n 個紋理無法作為影像讀取：%1。其材質以純色繪製。</numerusform>
        </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完成。</translation>
    </message>
    <message>
        <source>To reach the triangle count, borders and texture seams were allowed to move off their lines.</source>
        <translation>為達到三角形數量，允許邊界和材質接縫偏離其線條。</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>This file doesn&apos;t exist.</source>
        <translation>此檔案不存在。</translation>
    </message>
    <message>
        <source>This is a folder, not a model file.</source>
        <translation>這是資料夾，不是模型檔案。</translation>
    </message>
    <message>
        <source>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</source>
        <translation>這不是磁碟上的檔案，而是管道、裝置或通訊端：Lumeno3D 只能開啟模型檔案。</translation>
    </message>
    <message>
        <source>This file is empty: it holds no model.</source>
        <translation>此檔案是空的：其中沒有模型。</translation>
    </message>
    <message>
        <source>This file cannot be read: %1.</source>
        <translation>無法讀取此檔案：%1。</translation>
    </message>
    <message>
        <source>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</source>
        <translation>此檔案在讀取期間發生變更；可能有其他程式仍在寫入。請在檔案完整後再開啟一次。</translation>
    </message>
    <message>
        <source>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</source>
        <translation>Lumeno3D 無法將此檔案的工作複本儲存至暫存資料夾 %1；該資料夾可能已滿。</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>此檔案似乎已損毀，無法載入。</translation>
    </message>
    <message>
        <source>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</source>
        <translation>此檔案沒有具面積的三角形，只有點或線（例如點雲）：Lumeno3D 用於簡化三角網格。</translation>
    </message>
    <message>
        <source>All points of this model lie at one place: it has no surface to show or reduce.</source>
        <translation>此模型的所有點都位於同一處：沒有可顯示或簡化的表面。</translation>
    </message>
    <message>
        <source>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</source>
        <translation>Lumeno3D 可讀取 STL、OBJ、PLY、OFF、glTF、GLB 及 3MF 檔案：請選擇名稱以 .stl、.obj、.ply、.off、.gltf、.glb 或 .3mf 結尾的檔案。</translation>
    </message>
    <message>
        <source>The file %1, which holds this model&apos;s data, is missing beside it or cannot be read: copy it into the same folder.</source>
        <translation>存放此模型資料的檔案 %1 不在模型檔案旁邊或無法讀取：請將其複製到同一資料夾中。</translation>
    </message>
    <message>
        <source>This file needs %1, which Lumeno3D cannot read: export it again without it.</source>
        <translation>此檔案需要 %1，但 Lumeno3D 無法讀取：請在不使用它的情況下重新匯出。</translation>
    </message>
    <message numerus="yes">
        <source>%n parts were merged into one model.</source>
        <translation>
            <numerusform>%n 個部件已合併為一個模型。</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s materials and textures are not kept: they are not saved with the model.</source>
        <translation>此檔案的材質和紋理不會保留：它們不會隨模型一起儲存。</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of points or lines were left out: they have no triangles.</source>
        <translation>
            <numerusform>已略去 %n 組點或線：它們沒有三角形。</numerusform>
        </translation>
    </message>
    <message>
        <source>The colours of this file&apos;s faces are left out: Lumeno3D keeps vertex colours only.</source>
        <translation>此檔案的面顏色已略去：Lumeno3D 只保留頂點顏色。</translation>
    </message>
    <message>
        <source>JSON nested %1 levels deep</source>
        <translation>巢狀 %1 層的 JSON</translation>
    </message>
    <message>
        <source>nodes nested %1 levels deep</source>
        <translation>巢狀 %1 層的節點</translation>
    </message>
    <message>
        <source>%1 placed nodes</source>
        <translation>%1 個放置的節點</translation>
    </message>
    <message>
        <source>%1 placed parts</source>
        <translation>%1 個放置的部件</translation>
    </message>
    <message>
        <source>%1 points or triangles in all its parts</source>
        <translation>所有部件共 %1 個點或三角形</translation>
    </message>
    <message>
        <source>This file is larger than the %1 Lumeno3D reads.</source>
        <translation>此檔案大於 Lumeno3D 可讀取的 %1。</translation>
    </message>
    <message>
        <source>There is not enough memory for reading this file: close other programs and open it again.</source>
        <translation>記憶體不足，無法讀取此檔案：請關閉其他程式後再開啟一次。</translation>
    </message>
    <message>
        <source>This file holds more than Lumeno3D reads: %1.</source>
        <translation>此檔案的內容超出 Lumeno3D 的讀取上限：%1。</translation>
    </message>
    <message>
        <source>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</source>
        <translation>不支援 glTF 1.0；Lumeno3D 讀取的是 glTF 2.0。</translation>
    </message>
    <message>
        <source>This glTF file holds no meshes: there is no surface to show or reduce.</source>
        <translation>此 glTF 檔案沒有網格：沒有可顯示或簡化的表面。</translation>
    </message>
    <message>
        <source>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</source>
        <translation>此檔案只有點，沒有三角形：Lumeno3D 用於簡化三角網格。</translation>
    </message>
    <message>
        <source>This 3MF file places no object on its build plate: it has no build items.</source>
        <translation>此 3MF 檔案未在列印平台上放置任何物件：它沒有建構項目。</translation>
    </message>
    <message>
        <source>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</source>
        <translation>此檔案參照了 %1，但它不是此檔案所在資料夾中的檔案：Lumeno3D 只讀取模型旁邊的檔案。</translation>
    </message>
    <message>
        <source>This file&apos;s %1 are left out: only some of its parts or faces carry them.</source>
        <translation>此檔案的%1已略去：只有部分部件或面帶有這些資料。</translation>
    </message>
    <message>
        <source>This file gives its sizes in the unit &quot;%1&quot;; they were converted to millimetres.</source>
        <translation>此檔案以「%1」為尺寸單位；已換算為公釐。</translation>
    </message>
    <message>
        <source>%1 vertices or face corners</source>
        <translation>%1 個頂點或面角點</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot;</source>
        <translation>單位「%1」</translation>
    </message>
    <message>
        <source>components nested more than %1 deep</source>
        <translation>巢狀超過 %1 層的元件</translation>
    </message>
    <message>
        <source>more than %1 placed objects</source>
        <translation>超過 %1 個放置的物件</translation>
    </message>
    <message>
        <source>more than %1 MiB of text without a tag</source>
        <translation>超過 %1 MiB 且無標籤的文字</translation>
    </message>
    <message>
        <source>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</source>
        <translation>此模型旁缺少或位於其資料夾之外的材質庫：%1。其材質以純色顯示。</translation>
    </message>
    <message>
        <source>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</source>
        <translation>此模型旁缺少、位於其資料夾之外或無法讀取的紋理：%1。其材質以各自的純色顯示。</translation>
    </message>
    <message>
        <source>%1 materials or %2 groups</source>
        <translation>%1 種材質或 %2 個群組</translation>
    </message>
    <message>
        <source>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</source>
        <translation>這個約 %1 個三角形的模型需要約 %2 記憶體才能開啟並產生層級，但只有 %3 可用：請關閉其他程式，或在記憶體更多的電腦上開啟。</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>無法將模型儲存至 %1。
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>無法在同一位置建立暫存檔。</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>寫入檔案失敗。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>不是一般檔案。</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>沒有可儲存的模型。</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>該檔案受寫入保護。</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>該模型沒有三角形。</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>該模型的座標中有非有限數值。</translation>
    </message>
    <message>
        <source>%1 are not saved: STL files hold the triangles only.</source>
        <translation>%1未儲存：STL 檔案只能儲存三角形。</translation>
    </message>
    <message>
        <source>%1 are not saved: OBJ files hold normals and texture coordinates only.</source>
        <translation>%1未儲存：OBJ 檔案只能儲存法線和紋理座標。</translation>
    </message>
    <message>
        <source>%1 are not saved: OFF files hold vertex colours only.</source>
        <translation>%1未儲存：OFF 檔案只能儲存頂點顏色。</translation>
    </message>
    <message>
        <source>%1 are not saved: 3MF files hold vertex colours only.</source>
        <translation>%1未儲存：3MF 檔案只能儲存頂點顏色。</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</source>
        <translation>%1 未儲存：模型只能儲存為 STL、PLY、OBJ、GLB、glTF、3MF 或 OFF 檔案。</translation>
    </message>
    <message>
        <source>There is not enough memory for writing it: close other programs and save again.</source>
        <translation>記憶體不足，無法寫入：請關閉其他程式後再儲存一次。</translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n 種材質</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n textures</source>
        <translation>
            <numerusform>%n 個紋理</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n 個部件，儲存為一個模型</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</source>
        <translation>未儲存：%1。3MF 檔案只儲存帶紋理座標的模型的基礎色彩紋理。</translation>
    </message>
    <message>
        <source>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</source>
        <translation>未儲存：%1。glTF 檔案只儲存 PNG 和 JPEG 影像，遺失的影像無法儲存。</translation>
    </message>
    <message>
        <source>not saved: %1. %2 files hold no materials, textures or parts.</source>
        <translation>未儲存：%1。%2 檔案不儲存材質、紋理或部件。</translation>
    </message>
    <message>
        <source>%1 was not saved: the levels are saved in one file as GLB only.</source>
        <translation>%1 未儲存：合為一個檔案的層級只能儲存為 GLB。</translation>
    </message>
</context>
<context>
    <name>PointAttributes</name>
    <message>
        <source>vertex colours</source>
        <translation>頂點顏色</translation>
    </message>
    <message>
        <source>normals</source>
        <translation>法線</translation>
    </message>
    <message>
        <source>texture coordinates</source>
        <translation>紋理座標</translation>
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
        <translation>材質和紋理</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n 個部件，儲存為一個模型</numerusform>
        </translation>
    </message>
    <message>
        <source>The materials and parts that reading the file could not keep are not in the model.</source>
        <translation>讀取檔案時未能保留的材質和部件不在模型中。</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>變換</translation>
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
        <translation>旋轉</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
</context>
</TS>
