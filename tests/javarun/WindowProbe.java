// Runs a generated class as a user would and prints what its window shows, one fact a line:
//   content <width> <height>
//   child <index> <class> <x> <y> <width> <height> <font name> <font style> <font size>
//   menu <depth> <class> <label>
// Children are listed in the container's order, which is their stacking order (0 on top); a
// scroll pane is listed with the class of the component it shows. With "tab <n>", it then
// presses Tab n times as a user does (through the display server) and prints the child that
// holds the focus before the first press and after each one:
//   focus <index>
// Usage:
//   java WindowProbe <Class> <Target> [tab <n>]
import java.awt.*;
import java.awt.event.*;
import java.lang.reflect.*;
import javax.swing.*;

public class WindowProbe {
    public static void main(String[] args) throws Exception {
        String cls = args[0], target = args[1];
        Class<?> c = Class.forName(cls);
        Container content;
        if (target.equals("Frame") || target.equals("JFrame") || target.endsWith("Applet")) {
            // Started as the user starts it: through main.
            c.getMethod("main", String[].class).invoke(null, (Object) new String[0]);
            Frame window = waitForFrame(cls);
            content = target.endsWith("Applet") ? applet(window) : window;
        } else if (target.endsWith("Dialog")) {
            Frame owner = target.equals("JDialog") ? new JFrame("owner") : new Frame("owner");
            Constructor<?> ctor = c.getConstructors()[0];
            Window dialog = (Window) ctor.newInstance(owner, "title");
            new Thread(() -> dialog.setVisible(true)).start();  // modal
            content = dialog;
        } else {
            Frame holder = new Frame("holder");
            Component panel = (Component) c.getConstructor().newInstance();
            holder.add(panel);
            holder.pack();
            holder.setVisible(true);
            content = (Container) panel;
        }
        waitUntilShowing(content);
        Thread.sleep(700);  // a window manager may still move or decorate the window
        final Container shown = content;
        EventQueue.invokeAndWait(() -> print(shown));
        if (args.length == 4 && args[2].equals("tab")) pressTab(shown, Integer.parseInt(args[3]));
        System.exit(0);
    }

    static Container children(Container content) {
        return content instanceof RootPaneContainer ? ((RootPaneContainer) content).getContentPane()
                                                    : content;
    }

    static void pressTab(Container content, int presses) throws Exception {
        Window window = SwingUtilities.getWindowAncestor(content);
        if (window == null) window = (Window) content;
        Robot robot = new Robot();
        robot.setAutoDelay(50);
        for (int i = 0; i < 60 && !window.isFocused(); i++) {
            if (i % 20 == 0) {  // a click on the content's empty bottom right corner activates it
                Container inner = children(content);
                Point at = inner.getLocationOnScreen();
                robot.mouseMove(at.x + inner.getWidth() - 3, at.y + inner.getHeight() - 3);
                robot.mousePress(InputEvent.BUTTON1_DOWN_MASK);
                robot.mouseRelease(InputEvent.BUTTON1_DOWN_MASK);
            }
            Thread.sleep(50);
        }
        printFocus(content, robot);
        for (int i = 0; i < presses; i++) {
            robot.keyPress(KeyEvent.VK_TAB);
            robot.keyRelease(KeyEvent.VK_TAB);
            printFocus(content, robot);
        }
    }

    static void printFocus(Container content, Robot robot) throws Exception {
        robot.waitForIdle();
        Thread.sleep(150);
        EventQueue.invokeAndWait(() -> {
            Container inner = children(content);
            Component c = KeyboardFocusManager.getCurrentKeyboardFocusManager().getFocusOwner();
            while (c != null && c.getParent() != inner) c = c.getParent();
            int index = -1;
            for (int i = 0; c != null && i < inner.getComponentCount(); i++)
                if (inner.getComponent(i) == c) index = i;
            System.out.println("focus " + index);
        });
    }

    static Frame waitForFrame(String title) throws InterruptedException {
        for (int i = 0; i < 200; i++) {
            for (Frame f : Frame.getFrames())
                if (title.equals(f.getTitle()) && f.isShowing()) return f;
            Thread.sleep(50);
        }
        throw new IllegalStateException("no window titled " + title);
    }

    static Container applet(Frame window) {
        Container top = window instanceof JFrame ? ((JFrame) window).getContentPane() : window;
        return (Container) top.getComponent(0);
    }

    static void waitUntilShowing(Component c) throws InterruptedException {
        for (int i = 0; i < 200 && !c.isShowing(); i++) Thread.sleep(50);
    }

    static void print(Container content) {
        Container children = children(content);
        // The content area: what the decorations of a window (its insets) leave.
        Insets insets = children.getInsets();
        Dimension size = children.getSize();
        System.out.println("content " + (size.width - insets.left - insets.right) + " "
                           + (size.height - insets.top - insets.bottom));
        Component[] all = children.getComponents();
        for (int i = 0; i < all.length; i++) {
            Component child = all[i];
            Component shows = child;
            if (child instanceof JScrollPane && ((JScrollPane) child).getViewport().getView() != null)
                shows = ((JScrollPane) child).getViewport().getView();
            Font font = shows.getFont();
            System.out.println("child " + i + " " + shows.getClass().getSimpleName() + " "
                               + (child.getX() - insets.left) + " " + (child.getY() - insets.top)
                               + " " + child.getWidth() + " " + child.getHeight() + " "
                               + font.getName() + " " + font.getStyle() + " " + font.getSize());
        }
        if (content instanceof Frame && ((Frame) content).getMenuBar() != null) {
            MenuBar bar = ((Frame) content).getMenuBar();
            for (int i = 0; i < bar.getMenuCount(); i++) printMenu(bar.getMenu(i), 0);
        }
        if (content instanceof JFrame && ((JFrame) content).getJMenuBar() != null) {
            JMenuBar bar = ((JFrame) content).getJMenuBar();
            for (int i = 0; i < bar.getMenuCount(); i++) printJMenu(bar.getMenu(i), 0);
        }
    }

    static void printMenu(MenuItem item, int depth) {
        System.out.println("menu " + depth + " " + item.getClass().getSimpleName() + " "
                           + item.getLabel());
        if (item instanceof Menu)
            for (int i = 0; i < ((Menu) item).getItemCount(); i++)
                printMenu(((Menu) item).getItem(i), depth + 1);
    }

    static void printJMenu(JMenuItem item, int depth) {
        if (item == null) {
            System.out.println("menu " + depth + " Separator -");
            return;
        }
        System.out.println("menu " + depth + " " + item.getClass().getSimpleName() + " "
                           + item.getText());
        if (item instanceof JMenu)
            for (int i = 0; i < ((JMenu) item).getItemCount(); i++)
                printJMenu(((JMenu) item).getItem(i), depth + 1);
    }
}
