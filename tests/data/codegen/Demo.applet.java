import java.awt.*;
import java.awt.event.*;
import java.applet.Applet;

public class Demo extends Applet {
    Label label_1;
    Button button_1;

    public void init() {
        DemoLayout customLayout = new DemoLayout();

        setFont(new Font("Helvetica", Font.PLAIN, 12));
        setLayout(customLayout);

        label_1 = new Label("Name:");
        add(label_1);

        button_1 = new Button("OK");
        add(button_1);

        button_1.addActionListener(new button_1_AL());

        setSize(getPreferredSize());

    }

    class button_1_AL implements ActionListener {
        public void actionPerformed(ActionEvent e) { 
            System.out.println("Action Performed by button_1");
        }
    }

    public static void main(String args[]) {
        Demo applet = new Demo();
        Frame window = new Frame("Demo");

        window.addWindowListener(new WindowAdapter() {
            public void windowClosing(WindowEvent e) {
                System.exit(0);
            }
        });

        applet.init();
        window.add("Center", applet);
        window.pack();
        window.setVisible(true);
    }
}

class DemoLayout implements LayoutManager {

    public DemoLayout() {
    }

    public void addLayoutComponent(String name, Component comp) {
    }

    public void removeLayoutComponent(Component comp) {
    }

    public Dimension preferredLayoutSize(Container parent) {
        Dimension dim = new Dimension(0, 0);

        Insets insets = parent.getInsets();
        dim.width = 320 + insets.left + insets.right;
        dim.height = 240 + insets.top + insets.bottom;

        return dim;
    }

    public Dimension minimumLayoutSize(Container parent) {
        Dimension dim = new Dimension(0, 0);
        return dim;
    }

    public void layoutContainer(Container parent) {
        Insets insets = parent.getInsets();

        Component c;
        c = parent.getComponent(0);
        if (c.isVisible()) {c.setBounds(insets.left+16,insets.top+16,72,24);}
        c = parent.getComponent(1);
        if (c.isVisible()) {c.setBounds(insets.left+16,insets.top+48,72,24);}
    }
}
