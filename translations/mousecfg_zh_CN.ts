<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppProfiles</name>
    <message>
        <source>The rules could not be saved.</source>
        <translation>无法保存规则。</translation>
    </message>
    <message>
        <source>The application&apos;s name is empty.</source>
        <translation>应用名称为空。</translation>
    </message>
    <message>
        <source>An application&apos;s name is at most 128 characters long.</source>
        <translation>应用名称最多 128 个字符。</translation>
    </message>
    <message>
        <source>An application&apos;s name cannot hold control characters or slashes.</source>
        <translation>应用名称不能包含控制字符或斜杠。</translation>
    </message>
    <message>
        <source>The profile must be 1 to 5.</source>
        <translation>配置必须为 1 到 5。</translation>
    </message>
    <message>
        <source>There are already 500 rules; remove one first.</source>
        <translation>已有 500 条规则，请先删除一条。</translation>
    </message>
    <message>
        <source>There is no rule for this application.</source>
        <translation>此应用没有规则。</translation>
    </message>
</context>
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Profiles for Applications</source>
        <translation>按应用切换配置</translation>
    </message>
    <message>
        <source>Switch the profile with the application in front</source>
        <translation>随前台应用切换配置</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Profile of the selected rule:</source>
        <translation>所选规则的配置：</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>New rule (application and profile):</source>
        <translation>新规则（应用和配置）：</translation>
    </message>
    <message>
        <source>Application, e.g. firefox</source>
        <translation>应用，例如 firefox</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Other applications:</source>
        <translation>其他应用：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>配置 %1</translation>
    </message>
    <message>
        <source>Leave the profile as it is</source>
        <translation>保持当前配置</translation>
    </message>
    <message>
        <source>Command that turns the extension on</source>
        <translation>启用扩展的命令</translation>
    </message>
    <message>
        <source>Profile of the selected rule</source>
        <translation>所选规则的配置</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <translation>删除所选规则</translation>
    </message>
    <message>
        <source>Application of the new rule</source>
        <translation>新规则的应用</translation>
    </message>
    <message>
        <source>Profile of the new rule</source>
        <translation>新规则的配置</translation>
    </message>
    <message>
        <source>Add the new rule</source>
        <translation>添加新规则</translation>
    </message>
    <message>
        <source>Profile for other applications</source>
        <translation>其他应用的配置</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>The application in front is read from the active window of the X server.</source>
        <translation>前台应用取自 X 服务器的活动窗口。</translation>
    </message>
    <message>
        <source>The application in front is reported by the compositor.</source>
        <translation>前台应用由合成器报告。</translation>
    </message>
    <message>
        <source>The application in front is reported by KWin&apos;s script.</source>
        <translation>前台应用由 KWin 脚本报告。</translation>
    </message>
    <message>
        <source>The application in front is reported by the GNOME Shell extension.</source>
        <translation>前台应用由 GNOME Shell 扩展报告。</translation>
    </message>
    <message>
        <source>The GNOME Shell extension that reports the application in front is off. Turn it on once with this command:</source>
        <translation>报告前台应用的 GNOME Shell 扩展未启用。请用以下命令启用一次：</translation>
    </message>
    <message>
        <source>GNOME Shell has not loaded the extension that reports the application in front yet. Log out and back in, then turn it on once with this command:</source>
        <translation>GNOME Shell 尚未加载报告前台应用的扩展。请注销并重新登录，然后用以下命令启用一次：</translation>
    </message>
    <message>
        <source>This desktop does not tell applications which window is in front, so the rules cannot be followed here.</source>
        <translation>此桌面不告知应用哪个窗口在前台，因此这里无法按规则切换。</translation>
    </message>
</context>
<context>
    <name>ButtonPanel</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左键不能设为压枪功能。</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>宏管理</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>压枪文件管理</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>灯光开关</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>禁用按键</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>浏览器主页</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>浏览器后退</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>浏览器前进</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>浏览器停止</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>浏览器刷新</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>浏览器搜索</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>浏览器收藏夹</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>老板键</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>连发键</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量加</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量减</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>媒体播放器</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI切换</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>配置切换</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>配置 +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>配置 -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>回报率切换</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>回报率 +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>回报率 -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上滚动</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下滚动</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>配置菜单</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Rapid fire %1, %2 times, %3 ms</source>
        <translation>连发 %1，%2 次，%3 毫秒</translation>
    </message>
    <message>
        <source>%1 (macro missing)</source>
        <translation>%1（宏已丢失）</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>按键 %1</translation>
    </message>
    <message>
        <source>Button %1, %2</source>
        <translation>按键 %1，%2</translation>
    </message>
    <message>
        <source>Scroll up, %1</source>
        <translation>向上滚动，%1</translation>
    </message>
    <message>
        <source>Scroll down, %1</source>
        <translation>向下滚动，%1</translation>
    </message>
</context>
<context>
    <name>ColorEditorDialog</name>
    <message>
        <source>Color Edit</source>
        <translation>颜色编辑</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>明度</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>Colour as hexadecimal RGB</source>
        <translation>十六进制 RGB 颜色</translation>
    </message>
</context>
<context>
    <name>ComboKeyDialog</name>
    <message>
        <source>Combo Key</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Press the keys together</source>
        <translation>同时按下组合键</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键组合</translation>
    </message>
</context>
<context>
    <name>CustomizePage</name>
    <message>
        <source>Button functions</source>
        <translation>按键功能</translation>
    </message>
</context>
<context>
    <name>DefaultColorArea</name>
    <message>
        <source>Colour %1</source>
        <translation>颜色 %1</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>The mouse was found, but user %1 may not open it. Install the program&apos;s udev rule as %2 and plug the mouse in again, or, until the next replug, run:</source>
        <translation>已找到鼠标，但用户 %1 无权打开它。请将本程序的 udev 规则安装为 %2 并重新插入鼠标，或者在下次重新插入之前运行：</translation>
    </message>
</context>
<context>
    <name>DpiStagePanel</name>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>休眠时间</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移动时关闭灯光</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>Lights off while the mouse moves</source>
        <translation>鼠标移动时关闭灯光</translation>
    </message>
    <message>
        <source>Sleep time, 1 minute</source>
        <translation>休眠时间，1 分钟</translation>
    </message>
    <message>
        <source>Sleep time, %1 minutes</source>
        <translation>休眠时间，%1 分钟</translation>
    </message>
</context>
<context>
    <name>DpiStageRow</name>
    <message>
        <source>Link XY</source>
        <translation>XY 联动</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>DPI stage %1</source>
        <translation>DPI 档位 %1</translation>
    </message>
    <message>
        <source>%1, link X and Y</source>
        <translation>%1，X 与 Y 联动</translation>
    </message>
    <message>
        <source>%1, X</source>
        <translation>%1，X</translation>
    </message>
    <message>
        <source>%1, Y</source>
        <translation>%1，Y</translation>
    </message>
    <message>
        <source>DPI stage %1, %2 DPI</source>
        <translation>DPI 档位 %1，%2 DPI</translation>
    </message>
    <message>
        <source>, current</source>
        <translation>，当前</translation>
    </message>
    <message>
        <source>DPI stage %1 value</source>
        <translation>DPI 档位 %1 数值</translation>
    </message>
    <message>
        <source>Type a DPI from %1 to %2</source>
        <translation>请输入 %1 到 %2 之间的 DPI</translation>
    </message>
    <message>
        <source>Type a DPI from %1 to %2; two values set X and Y apart</source>
        <translation>请输入 %1 到 %2 之间的 DPI；输入两个值可分别设置 X 和 Y</translation>
    </message>
</context>
<context>
    <name>FireKeyDialog</name>
    <message>
        <source>FireKey Setting</source>
        <translation>连发键设置</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>键盘按键</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>次数：</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>延迟：</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>Delay in ms</source>
        <translation>延迟（毫秒）</translation>
    </message>
</context>
<context>
    <name>GunFileDialog</name>
    <message>
        <source>Gun Set</source>
        <translation>压枪设置</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>压枪设置</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>压枪文件名</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子弹数</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延时(毫秒)</translation>
    </message>
    <message>
        <source>Y (+DOWN)</source>
        <translation>Y (+向下)</translation>
    </message>
    <message>
        <source>X (+RIGHT)</source>
        <translation>X (+向右)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>请输入文件名。</translation>
    </message>
    <message>
        <source>Invalid macro name.</source>
        <translation>无效的宏名称。</translation>
    </message>
    <message>
        <source>Gun file name</source>
        <translation>压枪文件名</translation>
    </message>
    <message>
        <source>Shot %1, delay in ms</source>
        <translation>第 %1 发，延迟（毫秒）</translation>
    </message>
    <message>
        <source>Shot %1, move down</source>
        <translation>第 %1 发，向下移动</translation>
    </message>
    <message>
        <source>Shot %1, move right</source>
        <translation>第 %1 发，向右移动</translation>
    </message>
</context>
<context>
    <name>KestDialogFrame</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>KestMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>留下</translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Keys are taken while this dialog has focus</source>
        <translation>仅在此对话框获得焦点时捕获按键</translation>
    </message>
</context>
<context>
    <name>KitAccessible</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>常亮</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>七彩呼吸</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>水平波浪</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>水平无痕</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>雨滴</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>无痕</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>触发</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>悠悠球</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>弹珠</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>灯效</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>休眠时间</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移动时关闭灯光</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>Lights off while the mouse moves</source>
        <translation>鼠标移动时关闭灯光</translation>
    </message>
    <message>
        <source>Lighting effect</source>
        <translation>灯光效果</translation>
    </message>
    <message>
        <source>Brightness, %1</source>
        <translation>亮度，%1</translation>
    </message>
    <message>
        <source>Speed, %1</source>
        <translation>速度，%1</translation>
    </message>
    <message>
        <source>Sleep time, 1 minute</source>
        <translation>休眠时间，1 分钟</translation>
    </message>
    <message>
        <source>Sleep time, %1 minutes</source>
        <translation>休眠时间，%1 分钟</translation>
    </message>
</context>
<context>
    <name>MacroPanel</name>
    <message>
        <source>EDIT</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>置顶</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>置底</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>插入延迟</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>枪械设置</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>鼠标动作</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>START</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住时重复</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重复直到再次按下</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批量</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>记录动作间延迟</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入默认延迟</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>宏名称</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>延迟</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>鼠标命令</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延迟(ms)</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; could not be saved.</source>
        <translation>无法保存宏“%1”。</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>宏数量过多，无法创建！</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The macro list could not be saved.</source>
        <translation>无法保存宏列表。</translation>
    </message>
    <message>
        <source>Invalid macro name.</source>
        <translation>无效的宏名称。</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; could not be renamed.</source>
        <translation>无法重命名宏“%1”。</translation>
    </message>
    <message>
        <source>Buttons using &quot;%1&quot;: %2. They would send an empty macro. Delete it anyway?</source>
        <translation>使用“%1”的按键：%2 个。它们将发送空宏。仍要删除吗？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; could not be deleted.</source>
        <translation>无法删除宏“%1”。</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>加载宏文件</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>宏文件(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>宏已存在！</translation>
    </message>
    <message>
        <source>Not copied: %1</source>
        <translation>未复制：%1</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>保存宏文件</translation>
    </message>
    <message>
        <source>A macro holds at most 63 steps.</source>
        <translation>一个宏最多包含 63 个步骤。</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一个或多个按键未释放。</translation>
    </message>
    <message>
        <source>profile %1 wheel up</source>
        <translation>配置 %1 滚轮上</translation>
    </message>
    <message>
        <source>profile %1 wheel down</source>
        <translation>配置 %1 滚轮下</translation>
    </message>
    <message>
        <source>profile %1 second-row button %2</source>
        <translation>配置 %1 第二排按键 %2</translation>
    </message>
    <message>
        <source>profile %1 button %2</source>
        <translation>配置 %1 按键 %2</translation>
    </message>
    <message>
        <source>Used by: %1</source>
        <translation>使用者：%1</translation>
    </message>
    <message>
        <source>Keys are taken while this window has focus</source>
        <translation>仅在此窗口获得焦点时捕获按键</translation>
    </message>
    <message>
        <source>A delay must be between %1 and %2 ms.</source>
        <translation>延迟必须在 %1 到 %2 毫秒之间。</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Macro steps</source>
        <translation>宏步骤</translation>
    </message>
    <message>
        <source>Macro name</source>
        <translation>宏名称</translation>
    </message>
    <message>
        <source>Default delay in ms</source>
        <translation>默认延迟（毫秒）</translation>
    </message>
    <message>
        <source>Loop count</source>
        <translation>循环次数</translation>
    </message>
    <message>
        <source>Delay in ms</source>
        <translation>延迟（毫秒）</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Mouse command</source>
        <translation>鼠标命令</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro(s) saved to %1</source>
        <translation>
            <numerusform>已将 %n 个宏保存到 %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MacroSelectDialog</name>
    <message>
        <source>Macro Manager</source>
        <translation>宏管理</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按键时循环执行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>循环执行直到再次按下</translation>
    </message>
</context>
<context>
    <name>MacroStepDelegate</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>向左移动</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>向右移动</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>向上移动</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>向下移动</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>松开</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>延迟</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ADD</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>固件更新</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>灯光</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>载入配置文件</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按回车键应用</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>打开设置(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少需要保留一个单击功能。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>鼠标关闭</translation>
    </message>
    <message>
        <source>mouse not connected</source>
        <translation>鼠标未连接</translation>
    </message>
    <message>
        <source>Battery level</source>
        <translation>电池电量</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>更新固件前，请用线缆将鼠标连接到电脑。</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>是否升级固件？</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>无法启动固件更新程序。</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>鼠标处于休眠状态或未连接。</translation>
    </message>
    <message>
        <source>Too many or too long macros for the mouse.</source>
        <translation>宏数量过多或过长，鼠标无法存储。</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>数据发送失败，请重试。</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>该配置已被使用！</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少需要保留一个配置。</translation>
    </message>
    <message>
        <source>The profile does not exist.</source>
        <translation>该配置文件不存在。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>默认配置不能删除或重命名。</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>确定要删除此配置吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>确定要重置此配置吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>确定要重置所有配置吗？</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>配置文件 (*.prof)</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存设置文件</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>设置文件 (*.conf)</translation>
    </message>
    <message>
        <source>The configuration file could not be saved.</source>
        <translation>无法保存设置文件。</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>载入设置文件</translation>
    </message>
    <message>
        <source>Invalid profile name.</source>
        <translation>配置名称无效。</translation>
    </message>
    <message>
        <source>The profile file could not be copied.</source>
        <translation>无法复制配置文件。</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>配置已存在！</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>该文件与当前鼠标不匹配！</translation>
    </message>
    <message>
        <source>The profile file could not be saved.</source>
        <translation>无法保存配置文件。</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>接收器已断开！</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Profile &quot;%1&quot; was damaged and has been reset.</source>
        <translation>配置文件“%1”已损坏，已重置。</translation>
    </message>
    <message>
        <source>%1 is locked; changes to it are not saved.</source>
        <translation>%1 已被锁定，更改不会保存。</translation>
    </message>
    <message>
        <source>%1 was damaged; the damaged lines were removed.</source>
        <translation>%1 已损坏，损坏的行已删除。</translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation>无法保存 %1。</translation>
    </message>
    <message>
        <source>The file is damaged and was not loaded.</source>
        <translation>文件已损坏，未载入。</translation>
    </message>
    <message>
        <source>&amp;Start with the desktop</source>
        <translation>随桌面启动(&amp;S)</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>访问被拒绝</translation>
    </message>
    <message>
        <source>Mouse battery very low: %1%, charge it now</source>
        <translation>鼠标电量极低：%1%，请立即充电</translation>
    </message>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation>鼠标电量低：%1%</translation>
    </message>
    <message>
        <source>Changes not yet on the mouse</source>
        <translation>更改尚未写入鼠标</translation>
    </message>
    <message>
        <source>Your changes are not on the mouse yet. Apply them now?</source>
        <translation>您的更改尚未写入鼠标。现在应用吗？</translation>
    </message>
    <message>
        <source>The command-line tool changed what you were also editing here; its values are kept: %1.</source>
        <translation>命令行工具更改了您在此处也在编辑的内容；已保留其值：%1。</translation>
    </message>
    <message>
        <source>%1 was damaged and has been set aside; profiles no longer follow the application in front.</source>
        <translation>%1 已损坏并已另存，配置不再随前台应用切换。</translation>
    </message>
    <message>
        <source>Profiles by Application</source>
        <translation>按应用切换配置</translation>
    </message>
    <message>
        <source>&amp;Profiles by Application...</source>
        <translation>按应用切换配置(&amp;P)...</translation>
    </message>
    <message>
        <source>Battery: %1</source>
        <translation>电池：%1</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>电池</translation>
    </message>
    <message>
        <source>Battery %1%</source>
        <translation>电池 %1%</translation>
    </message>
    <message>
        <source>charging</source>
        <translation>充电中</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>接收器</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Writing the settings to the mouse</source>
        <translation>正在将设置写入鼠标</translation>
    </message>
    <message>
        <source>Profile settings</source>
        <translation>配置文件设置</translation>
    </message>
    <message>
        <source>Apply the name</source>
        <translation>应用名称</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>配置文件名称</translation>
    </message>
    <message>
        <source>Applied to Profile %1</source>
        <translation>已应用到配置 %1</translation>
    </message>
    <message>
        <source>Not applied: the mouse did not take the settings</source>
        <translation>未应用：鼠标未接受设置</translation>
    </message>
    <message>
        <source>Copied as “%1”</source>
        <translation>已复制为“%1”</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>Install access rule</source>
        <translation>安装访问规则</translation>
    </message>
    <message>
        <source>The access rule is installed.</source>
        <translation>访问规则已安装。</translation>
    </message>
    <message>
        <source>The access rule was not installed.</source>
        <translation>访问规则未安装。</translation>
    </message>
    <message>
        <source>The access rule could not be installed: %1</source>
        <translation>无法安装访问规则：%1</translation>
    </message>
    <message>
        <source>The access rule is installed: plug the mouse in again.</source>
        <translation>访问规则已安装：请重新插入鼠标。</translation>
    </message>
</context>
<context>
    <name>MouseActionTree</name>
    <message>
        <source>PRESS DOWN</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>松开</translation>
    </message>
</context>
<context>
    <name>MouseView</name>
    <message>
        <source>Button: %1</source>
        <translation>按键：%1</translation>
    </message>
</context>
<context>
    <name>PointerSpeedPanel</name>
    <message>
        <source>Key Response</source>
        <translation>按键响应</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>启用同步</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>抬起距离</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1 毫米</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2 毫米</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>直线修正</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>防抖</translation>
    </message>
    <message>
        <source>Motion Wake</source>
        <translation>移动唤醒</translation>
    </message>
    <message>
        <source>Sensor Mode</source>
        <translation>传感器模式</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>节能</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Competitive</source>
        <translation>竞技</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>鼠标设置</translation>
    </message>
    <message>
        <source>Scroll speed</source>
        <translation>滚动速度</translation>
    </message>
    <message>
        <source>Pointer speed is set in the desktop&apos;s mouse settings</source>
        <translation>指针速度请在桌面的鼠标设置中调整</translation>
    </message>
    <message>
        <source>Key response, %1 ms</source>
        <translation>按键响应，%1 毫秒</translation>
    </message>
    <message>
        <source>Lift distance, %1</source>
        <translation>抬起距离，%1</translation>
    </message>
    <message>
        <source>Sensor mode, %1</source>
        <translation>传感器模式，%1</translation>
    </message>
</context>
<context>
    <name>ReportRatePanel</name>
    <message>
        <source>REPORT RATE</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>抬起距离</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 毫米</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 毫米</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Lift-off distance, %1</source>
        <translation>抬起距离，%1</translation>
    </message>
</context>
<context>
    <name>SettingsMerge</name>
    <message>
        <source>the profile in use</source>
        <translation>当前使用的配置文件</translation>
    </message>
    <message>
        <source>angle snapping</source>
        <translation>角度捕捉</translation>
    </message>
    <message>
        <source>lift-off distance</source>
        <translation>抬起距离</translation>
    </message>
    <message>
        <source>motion sync</source>
        <translation>移动同步</translation>
    </message>
    <message>
        <source>the number of profiles in use</source>
        <translation>使用的配置文件数量</translation>
    </message>
    <message>
        <source>jitter filter</source>
        <translation>抖动过滤</translation>
    </message>
    <message>
        <source>key response time</source>
        <translation>按键响应时间</translation>
    </message>
    <message>
        <source>motion wake</source>
        <translation>移动唤醒</translation>
    </message>
    <message>
        <source>sensor mode</source>
        <translation>传感器模式</translation>
    </message>
    <message>
        <source>the file of profile %1</source>
        <translation>配置文件 %1 的文件</translation>
    </message>
    <message>
        <source>the report rate of profile %1</source>
        <translation>配置文件 %1 的回报率</translation>
    </message>
    <message>
        <source>the DPI stage in use in profile %1</source>
        <translation>配置文件 %1 当前的 DPI 档位</translation>
    </message>
    <message>
        <source>DPI stage %2 of profile %1</source>
        <translation>配置文件 %1 的 DPI 档位 %2</translation>
    </message>
    <message>
        <source>the lighting of profile %1</source>
        <translation>配置文件 %1 的灯光</translation>
    </message>
    <message>
        <source>the pointer settings of profile %1</source>
        <translation>配置文件 %1 的指针设置</translation>
    </message>
    <message>
        <source>button record %2 of profile %1</source>
        <translation>配置文件 %1 的按键 %2</translation>
    </message>
</context>
<context>
    <name>SingleKeyDialog</name>
    <message>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>Press a key</source>
        <translation>请按下一个按键</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
</context>
<context>
    <name>SkinDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SniperDialog</name>
    <message>
        <source>Sniper Setting</source>
        <translation>狙击键设置</translation>
    </message>
</context>
</TS>
