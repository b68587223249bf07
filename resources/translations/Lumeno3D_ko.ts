<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>DecimationLevels</name>
    <message>
        <source>Decimating 90%...</source>
        <translation>90%로 단순화하는 중...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>80%로 단순화하는 중...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>70%로 단순화하는 중...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>60%로 단순화하는 중...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>50%로 단순화하는 중...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>40%로 단순화하는 중...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>30%로 단순화하는 중...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>20%로 단순화하는 중...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>10%로 단순화하는 중...</translation>
    </message>
</context>
<context>
    <name>DeviationPicture</name>
    <message>
        <source>Deviation, % of the diagonal</source>
        <translation>편차, 대각선의 %</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Deviation here: %1 % of the diagonal</source>
        <translation>이 위치의 편차: 대각선의 %1%</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>자세한 정보</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>Qt 정보</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>새 버전을 다운로드했습니다!</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>새 버전 설치(&amp;I)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Lumeno3D %1 is available.</source>
        <translation>Lumeno3D %1 버전을 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation>다운로드 페이지 열기(&amp;O)</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</source>
        <translation>새 버전을 설치하기 위해 Lumeno3D를 종료합니다.
Lumeno3D를 종료하고 업데이트하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>그래픽 옵션</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>모델 색상</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>배경 색상</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>위쪽</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>아래쪽</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경 설정</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>시작할 때 업데이트 확인</translation>
    </message>
    <message>
        <source>Reduction method</source>
        <translation>단순화 방식</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>품질</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>클래식</translation>
    </message>
    <message>
        <source>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</source>
        <translation>Lumeno3D 사용자 인터페이스의 표시 언어를 변경했습니다.

이 변경 내용은 Lumeno3D를 다시 시작해야 적용됩니다.</translation>
    </message>
    <message>
        <source>Ask before saving a file that cannot hold all the model carries</source>
        <translation>모델이 가진 정보를 모두 담을 수 없는 파일로 저장하기 전에 묻기</translation>
    </message>
    <message>
        <source>Up axis in the first view of a model</source>
        <translation>모델을 처음 볼 때 위쪽 축</translation>
    </message>
    <message>
        <source>Automatic: Z for 3MF and printer parts, else Y</source>
        <translation>자동: 3MF와 프린터 부품은 Z, 그 밖에는 Y</translation>
    </message>
    <message>
        <source>Y up</source>
        <translation>Y 위쪽</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z 위쪽</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>이 크기는 적용할 수 없습니다. 모든 크기는 0보다 커야 하며, 크기를 조정한 모델은 모델 파일이 담을 수 있는 좌표 범위 안에 있어야 합니다.</translation>
    </message>
    <message>
        <source>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</source>
        <translation>비율 유지: 한 축의 크기를 바꾸면 세 축 모두 같은 비율로 크기가 조정됩니다. 각 축의 크기를 따로 지정하려면 클릭하십시오.</translation>
    </message>
    <message>
        <source>Each axis is sized on its own. Click to keep the proportions.</source>
        <translation>각 축의 크기를 따로 지정합니다. 비율을 유지하려면 클릭하십시오.</translation>
    </message>
    <message>
        <source>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</source>
        <translation>이 회전은 적용할 수 없습니다. 회전한 모델이 모델 파일이 담을 수 있는 좌표 범위를 벗어납니다. 다른 각도나 더 작은 크기를 선택하십시오.</translation>
    </message>
    <message>
        <source>Size (%1)</source>
        <translation>크기 (%1)</translation>
    </message>
    <message>
        <source>The scale factor along %1: the size set divided by the model&apos;s own size</source>
        <translation>%1 방향의 배율: 설정한 크기를 모델 원래 크기로 나눈 값</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>새 버전을 다운로드하는 중...</translation>
    </message>
</context>
<context>
    <name>DualView</name>
    <message>
        <source>With %1</source>
        <translation>%1 포함</translation>
    </message>
    <message numerus="yes">
        <source>%n parts</source>
        <translation>
            <numerusform>파트 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts: %1</source>
        <translation>
            <numerusform>파트 %n개: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>재질 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials: %1</source>
        <translation>
            <numerusform>재질 %n개: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn simplified to %1 triangles to fit into memory</source>
        <translation>메모리에 맞추기 위해 삼각형 %1개로 단순화하여 표시</translation>
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
        <translation>Lumeno3D 도움말</translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation>Lumeno3D는 삼각형 메시를 가볍게 만듭니다. 모델의 모양을 유지하면서 삼각형 수를 줄이고 그 결과를 저장합니다.</translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation>모델 열기</translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation>단순화</translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level&apos;s button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation>모델을 불러오면 Lumeno3D가 곧바로 삼각형의 90%부터 10%까지를 유지하는 9개 수준을 계산합니다. 각 수준의 버튼에는 해당 파일의 크기가 표시됩니다. 원하는 백분율로 모델을 단순화하거나, 원래 모양과의 최대 편차가 허용하는 만큼 단순화할 수도 있습니다.</translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation>스무딩과 변형</translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation>[스무딩]은 오른쪽 모델의 표면을 고르게 다듬습니다. [변형]은 모델의 크기를 조정하고 회전합니다. 변경 내용은 적용하기 전에 두 보기 모두에 표시됩니다.</translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation>마우스 왼쪽 버튼으로 모델을 돌리고, 가운데 버튼으로 이동하고, 휠로 확대/축소합니다. 오른쪽 보기는 왼쪽 보기를 따라 움직입니다. 아래쪽 버튼으로 표면, 점, 와이어프레임 표시를 전환하고, 모델을 보기에 맞추고, 정면, 측면, 윗면 또는 원근으로 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경 설정</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation>인터페이스 언어, 모델 색상 및 배경 색상을 선택합니다. 새 언어는 다음에 시작할 때 적용됩니다.</translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation>이 페이지의 최신 버전은 웹에 있습니다:</translation>
    </message>
    <message>
        <source>You can also drop a model file on the window.</source>
        <translation>모델 파일을 창에 끌어다 놓아 열 수도 있습니다.</translation>
    </message>
    <message>
        <source>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</source>
        <translation>편집 메뉴의 실행 취소와 다시 실행으로 변형과 스무딩을 되돌리거나 다시 적용할 수 있습니다. 새로 만들기, 열기 또는 닫기로 저장하지 않은 변경 사항이 사라지게 되면 Lumeno3D가 먼저 묻습니다.</translation>
    </message>
    <message>
        <source>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</source>
        <translation>시작할 때 업데이트 확인: 시작할 때마다 Lumeno3D가 웹 사이트에 새 버전이 있는지 묻고, 있으면 알려 줍니다.</translation>
    </message>
    <message>
        <source>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</source>
        <translation>감소 방법: 품질은 모든 단계를 한 번에 만들고 모양에 몇 배 더 가깝게 유지합니다. 클래식은 이전 버전의 방법입니다.</translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</source>
        <translation>[파일] 메뉴의 [다른 이름으로 저장]은 오른쪽에 표시된 모델을 STL, PLY, OBJ, GLB, glTF, 3MF 또는 OFF로 저장합니다. PLY, GLB 및 glTF는 정점 색상, 법선 및 텍스처 좌표를 유지합니다. glTF 파일은 데이터를 파일 자체에 담으므로 옆에 .bin 파일이 없습니다. [스냅샷]은 두 보기를 PNG 이미지로 저장합니다.</translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation>[파일] 메뉴에서 [열기]를 선택하고 STL, OBJ, PLY, OFF, glTF(.gltf 또는 .glb) 또는 3MF 파일을 고르십시오. glTF, 3MF 또는 OBJ 파일의 부분은 각각 파일에 지정된 위치에서 재질 및 텍스처와 함께 부분으로 유지됩니다. 왼쪽 보기에는 불러온 그대로의 모델이, 오른쪽 보기에는 단순화한 모델이 표시됩니다. [파일] 메뉴에는 최근에 연 파일도 표시됩니다.</translation>
    </message>
    <message>
        <source>Show deviation in the View menu colours the reduced model by each point&apos;s distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</source>
        <translation>[보기] 메뉴의 [편차 표시]는 축소된 모델을 각 점과 불러온 모델 사이의 거리에 따라 파란색(없음)에서 진한 빨간색(가장 큼)까지 색칠합니다. 범례는 눈금을, 마우스 포인터는 그 아래의 값을 보여 줍니다.</translation>
    </message>
    <message>
        <source>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</source>
        <translation>[레벨을 하나의 파일로 저장]은 모델과 9개 레벨을 게임 엔진과 웹 엔진이 읽는 세부 수준으로 하나의 GLB 파일에 씁니다.</translation>
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
        <translation>기본 도구 모음</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>백분율로 단순화</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>오차로 단순화</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>아래쪽 도구 모음</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>스냅샷</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>스냅샷 만들기</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>변형</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>스무딩</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>표시 모드</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>확대/축소</translation>
    </message>
    <message>
        <source>Front view</source>
        <translation>정면 보기</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>측면 보기</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>윗면 보기</translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation>원근 보기</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>끝내기(&amp;E)</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>Lumeno3D 끝내기</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>파일 </translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation>이(가) 없습니다.</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>파일을 여는 중 오류가 발생했습니다: </translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>모델 저장</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1이(가) 이미 있습니다.
바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>PNG 파일 (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>스냅샷 저장</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>이미지를 인코딩할 수 없습니다.</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>스냅샷을 %1에 저장할 수 없습니다.
%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>열기(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>다른 이름으로 저장(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>환경 설정(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>목차(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation>사용자 지정 백분율...</translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation>입력한 백분율만큼 삼각형을 유지합니다</translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation>사용자 지정 허용 오차...</translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation>입력한 허용 오차(경계 상자 대각선에 대한 비율)가 허용하는 범위에서 삼각형을 제거합니다</translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation>필터의 허용 오차(경계 상자 대각선에 대한 비율):</translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation>유지할 삼각형의 백분율(%1~%2):</translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation>삼각형의 %1%는 유지할 수 없습니다. %2~%3 사이의 백분율을 입력하십시오. 표시된 모델은 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>스무딩</translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation>최근 파일 목록에서 제거했습니다.</translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation>파일을 옮기거나 이름을 바꾼 경우 새 위치에서 여십시오.</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation>Lumeno3D에 불러온 모델이 없습니다.</translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation>먼저 모델을 여십시오.</translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation>다른 이름이나 폴더를 선택하여 다시 저장하십시오.</translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation>최대 편차 %1%, 평균 %2%</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>%1의 변경 내용을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation>모델의 변형이나 스무딩은 저장하지 않으면 사라집니다.</translation>
    </message>
    <message>
        <source>One model is open at a time: only %1 was opened.</source>
        <translation>한 번에 하나의 모델만 열 수 있습니다. %1만 열었습니다.</translation>
    </message>
    <message>
        <source>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</source>
        <translation>모든 모델 (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL 파일 (*.stl);; PLY 파일 (*.ply);; OBJ 파일 (*.obj);; OFF 파일 (*.off);; glTF 파일 (*.gltf *.glb);; 3MF 파일 (*.3mf)</translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</source>
        <translation>완전한 STL, OBJ, PLY, OFF, glTF, GLB 또는 3MF 파일인지 확인하거나 다시 내보내십시오.</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</source>
        <translation>STL 파일 (*.stl);; PLY 파일 (*.ply);; OBJ 파일 (*.obj);; GLB 파일 (*.glb);; glTF 파일 (*.gltf);; 3MF 파일 (*.3mf);; OFF 파일 (*.off)</translation>
    </message>
    <message>
        <source>Error bound %1</source>
        <translation>허용 오차 %1</translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, %1 of the bounding box diagonal, allows</source>
        <translation>필터의 허용 오차(경계 상자 대각선의 %1)가 허용하는 범위에서 삼각형을 제거합니다</translation>
    </message>
    <message>
        <source>%1 cannot hold all that this model carries. Not saved:</source>
        <translation>%1에는 이 모델의 정보를 모두 담을 수 없습니다. 저장되지 않는 것:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>그래도 저장</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>다시 묻지 않기</translation>
    </message>
    <message>
        <source>The question can be turned on again in the Preferences.</source>
        <translation>이 질문은 환경설정에서 다시 켤 수 있습니다.</translation>
    </message>
    <message>
        <source>The %1% level was not made: click to make the missing levels.</source>
        <translation>%1% 단계가 만들어지지 않았습니다: 클릭하면 빠진 단계를 만듭니다.</translation>
    </message>
    <message>
        <source>Open a model with %1 &gt; %2 (%3)</source>
        <translation>%1 &gt; %2 (%3)(으)로 모델 열기</translation>
    </message>
    <message>
        <source>or drop a model file here</source>
        <translation>또는 모델 파일을 여기에 끌어 놓기</translation>
    </message>
    <message>
        <source>(STL, OBJ, PLY, OFF, glTF or 3MF).</source>
        <translation>(STL, OBJ, PLY, OFF, glTF 또는 3MF)</translation>
    </message>
    <message>
        <source>The files opened last are at the end of the %1 menu.</source>
        <translation>최근에 연 파일은 %1 메뉴 끝에 있습니다.</translation>
    </message>
    <message>
        <source>The reduced model appears here.</source>
        <translation>줄인 모델이 여기에 나타납니다.</translation>
    </message>
    <message>
        <source>Save parts as one &amp;model</source>
        <translation>파트를 하나의 모델로 저장(&amp;M)</translation>
    </message>
    <message>
        <source>Saves the parts of a model of several parts as one part, as they are drawn</source>
        <translation>여러 파트로 된 모델의 파트를 그려진 그대로 하나의 파트로 저장합니다</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>Save &amp;levels as one file...</source>
        <translation>레벨을 하나의 파일로 저장(&amp;L)...</translation>
    </message>
    <message>
        <source>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</source>
        <translation>모델과 9개 레벨을 게임 엔진과 웹 엔진이 읽는 세부 수준으로 하나의 GLB 파일에 저장합니다</translation>
    </message>
    <message>
        <source>Show &amp;deviation</source>
        <translation>편차 표시(&amp;D)</translation>
    </message>
    <message>
        <source>Colour the reduced model by each point&apos;s distance to the loaded model</source>
        <translation>축소된 모델을 각 점과 불러온 모델 사이의 거리에 따라 색칠합니다</translation>
    </message>
    <message>
        <source>Save levels as one file</source>
        <translation>레벨을 하나의 파일로 저장</translation>
    </message>
    <message>
        <source>GLB file (*.glb)</source>
        <translation>GLB 파일 (*.glb)</translation>
    </message>
</context>
<context>
    <name>ModelDocument</name>
    <message>
        <source>Opening file...</source>
        <translation>파일을 여는 중...</translation>
    </message>
    <message>
        <source>%1 polygons without area could not be made into triangles and were left out.</source>
        <translation>면적이 없는 다각형 %1개를 삼각형으로 변환할 수 없어 제외했습니다.</translation>
    </message>
    <message>
        <source>Opening cancelled. The right view still shows %1.</source>
        <translation>파일 열기를 취소했습니다. 오른쪽 보기에는 여전히 %1 모델이 표시됩니다.</translation>
    </message>
    <message>
        <source>Opening cancelled.</source>
        <translation>파일 열기를 취소했습니다.</translation>
    </message>
    <message>
        <source>Cancelled. The right view now shows %1.</source>
        <translation>취소했습니다. 오른쪽 보기에는 이제 %1 모델이 표시됩니다.</translation>
    </message>
    <message>
        <source>Cancelled. The right view still shows %1.</source>
        <translation>취소했습니다. 오른쪽 보기에는 여전히 %1 모델이 표시됩니다.</translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation>%1%로 단순화하는 중...</translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation>허용 오차 %1(으)로 단순화하는 중...</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>스무딩하는 중...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>%1에 저장했습니다</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</source>
        <translation>완료했지만 모델을 그만큼 단순화할 수 없습니다. 요청한 %2%가 아니라 삼각형의 %1%가 유지됩니다.</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</source>
        <translation>완료했지만 모델을 그만큼 단순화할 수 없습니다. %1% 수준은 삼각형의 %2%를 유지합니다.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Saved to %1; %2</source>
        <translation>%1에 저장했습니다. %2</translation>
    </message>
    <message>
        <source>Done, but %1% of the triangles are kept, fewer than the %2% asked.</source>
        <translation>완료했지만 삼각형의 %1%가 유지되어 요청한 %2%보다 적습니다.</translation>
    </message>
    <message>
        <source>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</source>
        <translation>완료했지만 %1% 수준은 삼각형의 %2%를 유지하여 요청보다 적습니다.</translation>
    </message>
    <message>
        <source>Not enough memory for this operation: the right view still shows %1.</source>
        <translation>이 작업에 필요한 메모리가 부족합니다. 오른쪽 보기에는 여전히 %1 모델이 표시됩니다.</translation>
    </message>
    <message>
        <source>Not enough memory for the %1% level: the levels above it are kept.</source>
        <translation>%1% 수준에 필요한 메모리가 부족합니다. 그 위의 수준은 유지됩니다.</translation>
    </message>
    <message>
        <source>Making the levels again with the engine chosen: %1 of %2...</source>
        <translation>선택한 엔진으로 단계를 다시 만드는 중: %1 / %2...</translation>
    </message>
    <message>
        <source>Making the levels: %1 of %2...</source>
        <translation>단계를 만드는 중: %1 / %2...</translation>
    </message>
    <message>
        <source>The button of a level not made makes the missing levels.</source>
        <translation>만들어지지 않은 단계의 버튼을 누르면 빠진 단계를 만듭니다.</translation>
    </message>
    <message>
        <source>Saving to %1...</source>
        <translation>%1에 저장하는 중...</translation>
    </message>
    <message numerus="yes">
        <source>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</source>
        <translation>
            <numerusform>텍스처 %n개를 이미지로 읽을 수 없습니다: %1. 해당 재질은 단색으로 그려집니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>완료.</translation>
    </message>
    <message>
        <source>To reach the triangle count, borders and texture seams were allowed to move off their lines.</source>
        <translation>삼각형 수에 도달하기 위해 경계와 텍스처 이음새가 선에서 벗어나도록 허용했습니다.</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>This file doesn&apos;t exist.</source>
        <translation>이 파일이 없습니다.</translation>
    </message>
    <message>
        <source>This is a folder, not a model file.</source>
        <translation>이것은 모델 파일이 아니라 폴더입니다.</translation>
    </message>
    <message>
        <source>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</source>
        <translation>이것은 디스크의 파일이 아니라 파이프, 장치 또는 소켓입니다. Lumeno3D는 모델 파일만 엽니다.</translation>
    </message>
    <message>
        <source>This file is empty: it holds no model.</source>
        <translation>이 파일은 비어 있습니다. 모델이 들어 있지 않습니다.</translation>
    </message>
    <message>
        <source>This file cannot be read: %1.</source>
        <translation>이 파일을 읽을 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</source>
        <translation>파일을 읽는 동안 파일이 변경되었습니다. 다른 프로그램이 아직 파일을 쓰고 있을 수 있습니다. 파일이 완성된 후 다시 여십시오.</translation>
    </message>
    <message>
        <source>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</source>
        <translation>Lumeno3D가 이 파일의 작업용 사본을 임시 폴더 %1에 저장하지 못했습니다. 폴더가 가득 찼을 수 있습니다.</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>이 파일은 손상된 것 같아 불러올 수 없습니다.</translation>
    </message>
    <message>
        <source>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</source>
        <translation>이 파일에는 면적이 있는 삼각형이 없고 점이나 선만 있습니다(예: 포인트 클라우드). Lumeno3D는 삼각형 메시를 단순화하는 프로그램입니다.</translation>
    </message>
    <message>
        <source>All points of this model lie at one place: it has no surface to show or reduce.</source>
        <translation>이 모델의 모든 점이 한 곳에 있습니다. 표시하거나 단순화할 표면이 없습니다.</translation>
    </message>
    <message>
        <source>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</source>
        <translation>Lumeno3D는 STL, OBJ, PLY, OFF, glTF, GLB 및 3MF 파일을 읽습니다. 이름이 .stl, .obj, .ply, .off, .gltf, .glb 또는 .3mf로 끝나는 파일을 선택하십시오.</translation>
    </message>
    <message>
        <source>The file %1, which holds this model&apos;s data, is missing beside it or cannot be read: copy it into the same folder.</source>
        <translation>이 모델의 데이터를 담고 있는 파일 %1이(가) 모델 옆에 없거나 읽을 수 없습니다. 같은 폴더에 복사하십시오.</translation>
    </message>
    <message>
        <source>This file needs %1, which Lumeno3D cannot read: export it again without it.</source>
        <translation>이 파일에는 Lumeno3D가 읽을 수 없는 %1이(가) 필요합니다. 이를 사용하지 않고 다시 내보내십시오.</translation>
    </message>
    <message numerus="yes">
        <source>%n parts were merged into one model.</source>
        <translation>
            <numerusform>부분 %n개가 하나의 모델로 병합되었습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s materials and textures are not kept: they are not saved with the model.</source>
        <translation>이 파일의 재질과 텍스처는 유지되지 않으며 모델과 함께 저장되지 않습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of points or lines were left out: they have no triangles.</source>
        <translation>
            <numerusform>점이나 선으로 된 그룹 %n개는 삼각형이 없어 제외했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The colours of this file&apos;s faces are left out: Lumeno3D keeps vertex colours only.</source>
        <translation>이 파일의 면 색상은 제외됩니다. Lumeno3D는 정점 색상만 유지합니다.</translation>
    </message>
    <message>
        <source>JSON nested %1 levels deep</source>
        <translation>%1단계 깊이로 중첩된 JSON</translation>
    </message>
    <message>
        <source>nodes nested %1 levels deep</source>
        <translation>%1단계 깊이로 중첩된 노드</translation>
    </message>
    <message>
        <source>%1 placed nodes</source>
        <translation>배치된 노드 %1개</translation>
    </message>
    <message>
        <source>%1 placed parts</source>
        <translation>배치된 부분 %1개</translation>
    </message>
    <message>
        <source>%1 points or triangles in all its parts</source>
        <translation>모든 부분을 합쳐 점 또는 삼각형 %1개</translation>
    </message>
    <message>
        <source>This file is larger than the %1 Lumeno3D reads.</source>
        <translation>이 파일은 Lumeno3D가 읽을 수 있는 %1보다 큽니다.</translation>
    </message>
    <message>
        <source>There is not enough memory for reading this file: close other programs and open it again.</source>
        <translation>이 파일을 읽는 데 필요한 메모리가 부족합니다. 다른 프로그램을 닫고 다시 여십시오.</translation>
    </message>
    <message>
        <source>This file holds more than Lumeno3D reads: %1.</source>
        <translation>이 파일에는 Lumeno3D가 읽을 수 있는 한도를 넘는 내용이 있습니다: %1.</translation>
    </message>
    <message>
        <source>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</source>
        <translation>glTF 1.0은 지원되지 않습니다. Lumeno3D는 glTF 2.0을 읽습니다.</translation>
    </message>
    <message>
        <source>This glTF file holds no meshes: there is no surface to show or reduce.</source>
        <translation>이 glTF 파일에는 메시가 없습니다. 표시하거나 단순화할 표면이 없습니다.</translation>
    </message>
    <message>
        <source>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</source>
        <translation>이 파일에는 삼각형 없이 점만 있습니다. Lumeno3D는 삼각형 메시를 단순화하는 프로그램입니다.</translation>
    </message>
    <message>
        <source>This 3MF file places no object on its build plate: it has no build items.</source>
        <translation>이 3MF 파일은 빌드 플레이트에 개체를 배치하지 않습니다. 빌드 항목이 없습니다.</translation>
    </message>
    <message>
        <source>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</source>
        <translation>이 파일은 %1을(를) 참조하지만 이는 같은 폴더에 있는 파일이 아닙니다. Lumeno3D는 모델 옆에 있는 파일만 읽습니다.</translation>
    </message>
    <message>
        <source>This file&apos;s %1 are left out: only some of its parts or faces carry them.</source>
        <translation>이 파일의 %1은(는) 제외됩니다. 일부 부분이나 면에만 들어 있기 때문입니다.</translation>
    </message>
    <message>
        <source>This file gives its sizes in the unit &quot;%1&quot;; they were converted to millimetres.</source>
        <translation>이 파일은 크기 단위로 &quot;%1&quot;을(를) 사용합니다. 밀리미터로 변환했습니다.</translation>
    </message>
    <message>
        <source>%1 vertices or face corners</source>
        <translation>정점 또는 면 모서리 %1개</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot;</source>
        <translation>단위 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>components nested more than %1 deep</source>
        <translation>%1단계보다 깊게 중첩된 구성 요소</translation>
    </message>
    <message>
        <source>more than %1 placed objects</source>
        <translation>%1개가 넘는 배치된 개체</translation>
    </message>
    <message>
        <source>more than %1 MiB of text without a tag</source>
        <translation>태그 없이 %1MiB를 넘는 텍스트</translation>
    </message>
    <message>
        <source>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</source>
        <translation>이 모델 옆에 없거나 폴더 밖에 있는 재질 라이브러리: %1. 해당 재질은 단색으로 표시됩니다.</translation>
    </message>
    <message>
        <source>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</source>
        <translation>이 모델 옆에 없거나, 폴더 밖에 있거나, 읽을 수 없는 텍스처: %1. 해당 재질은 각자의 단색으로 표시됩니다.</translation>
    </message>
    <message>
        <source>%1 materials or %2 groups</source>
        <translation>재질 %1개 또는 그룹 %2개</translation>
    </message>
    <message>
        <source>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</source>
        <translation>약 %1개의 삼각형으로 된 이 모델을 열고 레벨을 만들려면 약 %2의 메모리가 필요하지만 사용 가능한 메모리는 %3뿐입니다. 다른 프로그램을 닫거나 메모리가 더 많은 컴퓨터에서 여십시오.</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>모델을 %1에 저장할 수 없습니다.
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>같은 위치에 임시 파일을 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>파일을 쓰지 못했습니다.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>일반 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>저장할 모델이 없습니다.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>파일이 쓰기 금지되어 있습니다.</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>모델에 삼각형이 없습니다.</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>모델에 유한한 숫자가 아닌 좌표가 있습니다.</translation>
    </message>
    <message>
        <source>%1 are not saved: STL files hold the triangles only.</source>
        <translation>%1은(는) 저장되지 않습니다: STL 파일에는 삼각형만 저장됩니다.</translation>
    </message>
    <message>
        <source>%1 are not saved: OBJ files hold normals and texture coordinates only.</source>
        <translation>%1은(는) 저장되지 않습니다: OBJ 파일에는 법선과 텍스처 좌표만 저장됩니다.</translation>
    </message>
    <message>
        <source>%1 are not saved: OFF files hold vertex colours only.</source>
        <translation>%1은(는) 저장되지 않습니다: OFF 파일에는 정점 색상만 저장됩니다.</translation>
    </message>
    <message>
        <source>%1 are not saved: 3MF files hold vertex colours only.</source>
        <translation>%1은(는) 저장되지 않습니다: 3MF 파일에는 정점 색상만 저장됩니다.</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</source>
        <translation>%1을(를) 저장하지 않았습니다. 모델은 STL, PLY, OBJ, GLB, glTF, 3MF 또는 OFF 파일로만 저장할 수 있습니다.</translation>
    </message>
    <message>
        <source>There is not enough memory for writing it: close other programs and save again.</source>
        <translation>저장하는 데 필요한 메모리가 부족합니다. 다른 프로그램을 닫고 다시 저장하십시오.</translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>재질 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n textures</source>
        <translation>
            <numerusform>텍스처 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>파트 %n개, 하나의 모델로 저장됨</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</source>
        <translation>저장되지 않음: %1. 3MF 파일은 텍스처 좌표가 있는 모델의 기본 색상 텍스처만 담습니다.</translation>
    </message>
    <message>
        <source>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</source>
        <translation>저장되지 않음: %1. glTF 파일은 PNG와 JPEG 이미지만 담으며, 없는 이미지는 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>not saved: %1. %2 files hold no materials, textures or parts.</source>
        <translation>저장되지 않음: %1. %2 파일은 재질, 텍스처, 파트를 담지 않습니다.</translation>
    </message>
    <message>
        <source>%1 was not saved: the levels are saved in one file as GLB only.</source>
        <translation>%1을(를) 저장하지 않았습니다: 하나의 파일에 담은 레벨은 GLB로만 저장됩니다.</translation>
    </message>
</context>
<context>
    <name>PointAttributes</name>
    <message>
        <source>vertex colours</source>
        <translation>정점 색상</translation>
    </message>
    <message>
        <source>normals</source>
        <translation>법선</translation>
    </message>
    <message>
        <source>texture coordinates</source>
        <translation>텍스처 좌표</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 및 %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>SaveLoss</name>
    <message>
        <source>materials and textures</source>
        <translation>재질과 텍스처</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>부품 %n개 (하나의 모델로 저장)</numerusform>
        </translation>
    </message>
    <message>
        <source>The materials and parts that reading the file could not keep are not in the model.</source>
        <translation>파일을 읽을 때 유지하지 못한 재질과 파트는 모델에 없습니다.</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>변형</translation>
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
        <translation>회전</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>재설정</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
</context>
</TS>
